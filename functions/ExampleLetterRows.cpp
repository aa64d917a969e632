// The fourteen example letters of "Пример букв", in the order of the submenu: the template
// picture and its place, the captions, the graphs in drawing order (x-expression, y-expression,
// start, end of the parameter) and how each lists and prepares the screen.
#include "ExampleLetters.h"

namespace {

using Edits = ExampleLetter::Edits;

// The blanks after the semicolons of a list line: most examples write 3, 5 and 2.
// clang-format off
const graphlist::ListSeparators kExampleBlanks{";   y(", ";     Нач. знач. перемен.(", ";  Конечн. знач. перемен.("};
const graphlist::ListSeparators kNarrowBlanks{";   y(", "; Нач. знач. перемен.(", "; Конечн. знач. перемен.("};
const graphlist::ListSeparators kEvenBlanks{";   y(", ";  Нач. знач. перемен.(", ";  Конечн. знач. перемен.("};

const ExampleLetter kExamples[] = {
    {.menuItem = "N11", .title = "Буква Б", .picture = "ImBJ", .pictureLeft = 941, .pictureTop = 177,
     .captions = {{"Label45", "x(1)= 0", 880, 290},
                  {"Label48", "y(2)=2.98", 970, 154},
                  {"Label51", "y(3)=1,53", 952, 222},
                  {"Label54", "y(4)=0", 952, 295},
                  {"Label57", "x(5)=2-1,2*x*x", 1055, 280},
                  {"Label60", "y(5)=0,77+x", 1055, 305}},
     .graphs = {{"0", "x", 0, 3}, {"x", "2.98", 0, 2}, {"x", "1.53", 0, 1.3}, {"x", "0", 0, 1.3},
                {"2-1.2*x*x", "0.77+x", -0.75, 0.75}},
     .separators = kExampleBlanks},

    // The x(6) caption stands on the window beside y(6): the blank key Label44 of the letter panel
    // keeps its place and stays empty.
    {.menuItem = "N12", .title = "В", .picture = "ImVJ", .pictureLeft = 938, .pictureTop = 176,
     .captions = {{"Label56", "x(6)=2-1.2*x*x", 1054, 280},
                  {"Label47", "y(6)=0.75+x", 1054, 300},
                  {"Label45", "x(1)= 0", 880, 210},
                  {"Label48", "y(2)=3", 970, 155},
                  {"Label51", "y(3)=1,5", 952, 230},
                  {"Label54", "y(4)= 0.04", 949, 305},
                  {"Label57", "x(5)=2-1.2*x*x", 1054, 180},
                  {"Label60", "y(5)=2.25+x", 1054, 195}},
     .graphs = {{"0", "x", 0, 3}, {"x", "3", 0, 1.3}, {"x", "1.50", 0, 1.3}, {"x", "-0.04", 0, 1.3},
                {"2.00-1.2*x*x", "2.25+x", -0.72, 0.72}, {"2.00-1.2*x*x", "0.73+x", -0.75, 0.75}},
     .separators = kNarrowBlanks},

    {.menuItem = "N13", .title = "Д", .picture = "ImDJ", .pictureLeft = 938, .pictureTop = 174,
     .captions = {{"Label45", "x(1)=0,4*x; y(1)=0,91*x*x", 760, 240},
                  {"Label48", "x(2)=0,72+x; y(2)=3", 990, 150},
                  {"Label51", "x(3)=2", 1060, 240},
                  {"Label54", "y(4)=0", 980, 300},
                  {"Label57", "x(5)=0,2", 908, 350},
                  {"Label60", "x(6)=2,1", 1040, 350}},
     .graphs = {{"0.4*x", "0.91*x*x", 0, 2.27}, {"0.72+x", "3", 0, 1.26}, {"2", "x", 0, 3}, {"x", "0", 0, 2.1},
                {"0", "x", -0.4, 0}, {"2.1", "x", -0.4, 0}},
     .separators = kNarrowBlanks, .emptiedEdits = Edits::None},

    {.menuItem = "N23", .title = "Ж", .picture = "ImJEJ", .pictureLeft = 938, .pictureTop = 175,
     .captions = {{"Label45", "y(1)=1,5+1,15*(x-1,15)*(x-1,15)", 735, 200},
                  {"Label48", "y(2)=1,5 -1,15*(x-1,15)*(x-1,15)", 740, 290},
                  {"Label51", "x(3)=1,15", 970, 155}},
     .graphs = {{"x", "1.5+1.15*(x-1.15)*(x-1.15)", 0, 2.3}, {"x", "1.5-1.15*(x-1.15)*(x-1.15)", 0, 2.3},
                {"1.15", "x", 0, 3}},
     .separators = kExampleBlanks},

    {.menuItem = "N14", .title = "З", .picture = "ImZJ", .pictureLeft = 939, .pictureTop = 177,
     .captions = {{"Label45", "x(1)=1-cos(x)", 1050, 170},
                  {"Label48", "y(1)=2,2+0,75*sin(x)", 1050, 190},
                  {"Label51", "x(2)=1+sin(x)", 1050, 270},
                  {"Label54", "y(2)=0,75+0,75*cos(x)", 1050, 290}},
     .graphs = {{"1-cos(x)", "2.2+0.75*sin(x)", 0, 2.3}, {"1+sin(x)", "0.75+0.75*cos(x)", 0, 2.3}},
     .separators = kEvenBlanks},

    {.menuItem = "N15", .title = "Й", .picture = "ImKratIJ", .pictureLeft = 941, .pictureTop = 164,
     .captions = {{"Label45", "x(1)=0", 880, 290},
                  {"Label48", "y(2)=1.5*x", 965, 295},
                  {"Label51", "x(3)=2", 1065, 290},
                  {"Label54", "x(4)=x+1; y(4)=3.1+0.17*x*x", 950, 140}},
     .graphs = {{"0", "x", 0, 3}, {"x", "1.48*x", 0, 2}, {"2", "x", 0, 3}, {"x+1", "3.1+0.17*x*x", -0.9, 0.9}},
     .separators = kExampleBlanks, .erasesCell = true},

    {.menuItem = "N16", .title = "М", .picture = "ImMJ", .pictureLeft = 942, .pictureTop = 178,
     .captions = {{"Label45", "x(1)=0", 890, 255},
                  {"Label48", "x(2)=0,86*x+1,15; y(2)=2.3*abs(x)", 944, 160},
                  {"Label51", "x(3)=2,3", 1065, 255}},
     .graphs = {{"0", "x", 0, 3}, {"0.86*x+1.15", "2.3*abs(x)", -1.3, 1.3}, {"2.3", "x", 0, 3}},
     .separators = kExampleBlanks},

    {.menuItem = "N21", .title = "Р", .picture = "ImRJ", .pictureLeft = 940, .pictureTop = 176,
     .captions = {{"Label45", "x(1)= 0", 880, 192},
                  {"Label48", "y(2)=3", 970, 155},
                  {"Label51", "y(3)=1,43", 948, 255},
                  {"Label54", "x(4)= 2-1.2*x*x;    y(4)= 2.24+x ", 945, 210}},
     .graphs = {{"0", "x", 0, 3}, {"x", "3", 0, 1.3}, {"x", "1.45", 0, 1.3}, {"2-1.2*x*x", "2.24+x", -0.75, 0.75}},
     .separators = kExampleBlanks, .emptiedEdits = Edits::All, .keepsEntryOpen = true},

    {.menuItem = "N22", .title = "С", .picture = "ImSJ", .pictureLeft = 939, .pictureTop = 179,
     .captions = {{"Label45", "x(1)=1.08+1.06*cos(x)", 795, 200}, {"Label48", "y(1)=1.5-1.48*sin(x)", 795, 220}},
     .graphs = {{"1.08+1.06*cos(x)", "1.5-1.48*sin(x)", 0.61, 5.7}},
     .separators = kExampleBlanks, .keepsEntryOpen = true},

    {.menuItem = "N20", .title = "Ы", .picture = "ImEIJ", .pictureLeft = 942, .pictureTop = 172,
     .captions = {{"Label45", "x(1)= 0", 880, 190},
                  {"Label51", "y(2)=1,58", 952, 222},
                  {"Label54", "y(3)=0", 952, 305},
                  {"Label57", "x(4)=2.03-2*x*x ;      y(4)=0.81+1.24*x", 910, 280},
                  {"Label60", "x(5)=2,4", 1075, 190}},
     .graphs = {{"0", "x", 0, 3}, {"x", "1.58", 0, 1.3}, {"x", "0", 0, 1.3}, {"2.03-2*x*x", "0.81+1.24*x", -0.62, 0.62},
                {"2.4", "x", 0, 3}},
     .separators = kExampleBlanks},

    {.menuItem = "N17", .title = "Э", .picture = "ImELJ", .pictureLeft = 937, .pictureTop = 177,
     .captions = {{"Label45", "y(1)=1,5+1,5*sin(x)", 1050, 225},
                  {"Label48", "x(1)=0,82-1,1*cos(x)", 1050, 200},
                  {"Label51", "y(2)=1,5", 965, 265}},
     .graphs = {{"0.82-1.1*cos(x)", "1.5+1.48*sin(x)", 0.7, 5.6}, {"x", "1.5", 1, 1.9}},
     .separators = kExampleBlanks, .emptiedEdits = Edits::All},

    {.menuItem = "N18", .title = "Ю", .picture = "ImYUJ", .pictureLeft = 941, .pictureTop = 176,
     .captions = {{"Label45", "x(1)=0,01", 920, 150},
                  {"Label48", "y(2)=1,48", 870, 242},
                  {"Label51", "x(3)=1.44+0.86*cos(x)", 1044, 205},
                  {"Label54", "y(3)=1.50+1.5*sin(x)", 1044, 236}},
     .graphs = {{"0.05", "x", 0, 3}, {"x", "1.48", 0.05, 0.54}, {"1.44+0.86*cos(x)", "1.50+1.5*sin(x)", 0, 7}},
     .separators = kExampleBlanks, .emptiedEdits = Edits::All},

    {.menuItem = "N19", .title = "Я", .picture = "ImYAJ", .pictureLeft = 942, .pictureTop = 175,
     .captions = {{"Label45", "x(1)=1.2*x*x;    y(1)=2.28+x", 720, 210},
                  {"Label48", " y(2)=1,3*x", 870, 300},
                  {"Label51", "y(3)=3", 980, 150},
                  {"Label54", "y(4)=1,5", 980, 230},
                  {"Label57", "x(5)=2", 1050, 200}},
     .graphs = {{"1.2*x*x", "2.28+x", -0.75, 0.75}, {"x", "1.3*x", 0, 1.2}, {"x", "3", 0.7, 2}, {"x", "1.54", 0.7, 2},
                {"2", "x", 0, 3}},
     .separators = kExampleBlanks},

    {.menuItem = "N24", .title = "Ъ", .picture = "ImZnakTJ", .pictureLeft = 901, .pictureTop = 175,
     .captions = {{"Label45", "x(1)= 0", 880, 290},
                  {"Label48", "y(2)=2.98", 970, 154},
                  {"Label51", "y(3)=1,53", 952, 222},
                  {"Label54", "y(4)=0", 952, 295},
                  {"Label57", "x(5)=2-1.2*x*x", 1055, 280},
                  {"Label60", "y(5)=0,77+x", 1055, 305}},
     .graphs = {{"0", "x", 0, 3}, {"x", "2.98", -0.71, 0}, {"x", "1.53", 0, 1.3}, {"x", "0", 0, 1.3},
                {"2-1.2*x*x", "0.77+x", -0.75, 0.75}},
     .separators = kExampleBlanks},
};
// clang-format on

}  // namespace

namespace exampleletters {

std::span<const ExampleLetter> rows() {
    return kExamples;
}

const ExampleLetter* findByMenuItem(const char* menuItem) {
    for (const ExampleLetter& e : kExamples)
        if (qstrcmp(e.menuItem, menuItem) == 0) return &e;
    return nullptr;
}

}  // namespace exampleletters
