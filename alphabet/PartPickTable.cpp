// The part picks of Alphabet mode, one row per hotspot (and per letter where a hotspot draws
// differently for some letters). How a row runs is told in PartPicks.h. Offsets (dx, dy) are
// from the plane origin (942, 328), dy downwards; t is paramValue.
#include <cmath>

#include "PartPicks.h"
#include "PlotState.h"
#include "StrokeCatalogue.h"
// Last: the T(…) notation of the stroke tables.
#include "StrokeExpr.h"

namespace {

constexpr QRgb kOrange = 0xFF961B;  // RGB(255, 150, 27), the highlight
constexpr QRgb kRed = 0xFF0000;     // RGB(255, 0, 0), the second highlight
constexpr QRgb kMaroon = 0x800000;  // RGB(128, 0, 0), left after a vertical line's step

constexpr PartPick::Event kPress = PartPick::MouseDown;
constexpr PartPick::Event kClick = PartPick::Click;

// A loop whose pen colour is set at every step.
StrokeLoop coloured(QRgb colour, LoopRange r, int width, StepPause pause,
                    std::vector<StrokePart> parts) {
    return StrokeLoop{r, pixels(width), pause, std::move(parts), colour};
}
// A loop that leaves the pen colour as it finds it (the caller may set it once).
StrokeLoop plain(LoopRange r, int width, StepPause pause, std::vector<StrokePart> parts) {
    return StrokeLoop{r, pixels(width), pause, std::move(parts)};
}

// A full-width line at height dy, grown from 49 px left of the origin over t −4.7 … 4.7.
StrokeLoop acrossAt(QRgb colour, std::vector<StrokePart> parts) {
    return coloured(colour, range(-4.7, 4.7, 0.01), 2, pauseMs(2), std::move(parts));
}

std::vector<PartPick> buildRows() {
    std::vector<PartPick> rows;
    auto add = [&rows](PartPick row) { rows.push_back(std::move(row)); };
    // clang-format off

    // --- Shapes: the guide lines of the catalogue --------------------------------------------
    add({.controls = {"HV"}, .shows = {"Label48"}, .description = "Label49", .shiftY = -149,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HVB"}, .shows = {"Label48"}, .description = "Label49", .shiftY = -147,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HVMal"}, .shows = {"Label48"}, .description = "Label49", .shiftY = -149,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HSN"}, .shows = {"Label48"}, .description = "Label49", .shiftY = -78,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HNizC"}, .shows = {"Label48"}, .description = "Label49", .shiftY = -1,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"PristavZnakTv"}, .shows = {"Label48"}, .description = "Label49", .shiftY = -149,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HJU"}, .shows = {"Label48"}, .description = "Label49", .shiftY = -75,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HSE"}, .shows = {"Label51"}, .description = "Label52", .shiftY = -75,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HNizE"}, .shows = {"Label54"}, .description = "Label55", .shiftY = -1,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"HNizSh"}, .shows = {"Label54"}, .description = "Label55", .shiftY = -2,
         .stroke = HorizontalGuideStroke});
    // The upright of "Б", "Р", "Ъ", "Ь" is the letter's stem at x = 0, whatever offset an earlier
    // lesson or pick left; that of "К" stands where its lesson put it (3), or a later pick.
    add({.controls = {"VL"}, .letters = u"БРЪЬ", .shows = {"Label45"}, .description = "Label46", .shiftX = 0,
         .stroke = VerticalGuideStroke});
    add({.controls = {"VL"}, .shows = {"Label45"}, .description = "Label46", .stroke = VerticalGuideStroke});
    add({.controls = {"VP"}, .letters = u"ШМЩ", .shows = {"Label51"}, .description = "Label52", .shiftX = 117,
         .stroke = VerticalGuideStroke});
    add({.controls = {"VP"}, .shows = {"Label51"}, .description = "Label52", .shiftX = 100,
         .stroke = VerticalGuideStroke});
    add({.controls = {"VSSh"}, .shows = {"Label48"}, .description = "Label49", .shiftX = 59,
         .stroke = VerticalGuideStroke});
    add({.controls = {"PristavC"}, .shows = {"Label54"}, .description = "Label55", .shiftX = 102,
         .stroke = VerticalGuideStroke});
    add({.controls = {"PristavSHCH"}, .shows = {"Label57"}, .description = "Label58", .shiftX = 121,
         .stroke = VerticalGuideStroke});

    // --- Shapes that draw their own line -----------------------------------------------------
    // The stem of "Т" stands at x = 1 (50 px) whatever offset came before; that of "Ф" 10 px
    // further, where its lesson puts it.
    for (const bool stemOfTe : {true, false}) {
        add({.controls = {"VST"}, .letters = stemOfTe ? u"Т" : nullptr, .shows = {"Label45"},
             .description = "Label46", .shiftX = stemOfTe ? std::optional<int>(0) : std::nullopt,
             .loops = {coloured(kOrange, range(0, 1.2, 0.01), 2, pauseMs(1),
                                {fixed(T(50 + plotState.shiftX), -180, T(50 + plotState.shiftX), 240),
                                 penColourSwitch(kMaroon)})}});
    }
    add({.controls = {"HSZnakM"}, .letters = u"Р", .shows = {"Label51"}, .description = "Label52",
         .loops = {acrossAt(kOrange, {grow(-49, -70, T(49 * t), -70)})}});
    add({.controls = {"HSZnakM"}, .shows = {"Label51"}, .description = "Label52",
         .loops = {acrossAt(kOrange, {grow(-49, -79, T(49 * t), -79)})}});
    add({.controls = {"HNZnakM"}, .shows = {"Label54"}, .description = "Label55",
         .loops = {acrossAt(kOrange, {grow(-49, -1, T(49 * t), -1)})}});
    add({.controls = {"HSEL"}, .shows = {"Label51"}, .description = "Label52",
         .loops = {acrossAt(kRed, {grow(-49, -74, T(49 * t), -74)})}});
    add({.controls = {"HA"}, .shows = {"Label51"}, .description = "Label52",
         .loops = {acrossAt(kOrange, {grow(-49, -65, T(49 * t), -65)})}});
    add({.controls = {"HNizD"}, .shows = {"Label54"}, .description = "Label55",
         .loops = {acrossAt(kRed, {grow(-49, -2, T(49 * t), -2)})}});
    // A right click on HNizD: after the press above, the guide line of the same foot bar y = 0
    // that its caption "y(4)=0" names.
    add({.controls = {"HNizD"}, .event = PartPick::ContextPopup, .shows = {"Label53", "Label54"},
         .description = "Label55", .shiftY = -2, .stroke = HorizontalGuideStroke});
    add({.controls = {"VPJI"}, .shows = {"Label60"}, .description = "Label61",
         .loops = {coloured(kRed, range(-0.8, 2.6, 0.01), 2, pauseMs(2),
                            {grow(120, -77, 120, T(-77 + 120 * t)), penColourSwitch(kMaroon)})}});
    // The dots of "Ё": each the two parabolas whose arcs make its ring.
    add({.controls = {"ShapLJO"}, .shows = {"Label57"}, .hides = {"Label60"}, .description = "Label58",
         .loops = {coloured(kOrange, range(-0.43, 0.43, 0.001), 2, pauseMs(2),
                            {dot(T(18 + 30 * t), T(-158 - 100 * t * t))}),
                   coloured(kOrange, range(-2.02, 2.02, 0.001), 2, pauseMs(2),
                            {dot(T(18 + 30 * t), T(-168 + 100 * t * t))})}});
    // The right dot keeps the pen's colour, whatever drew last.
    add({.controls = {"ShapPJO"}, .shows = {"Label60"}, .hides = {"Label57"}, .description = "Label61",
         .loops = {plain(range(-0.43, 0.43, 0.001), 2, pauseMs(2), {dot(T(78 + 30 * t), T(-158 - 100 * t * t))}),
                   plain(range(-2.02, 2.02, 0.001), 2, pauseMs(2), {dot(T(78 + 30 * t), T(-168 + 100 * t * t))})}});

    // --- Click strips ------------------------------------------------------------------------
    add({.controls = {"Label138"}, .event = kClick, .shows = {"Label45"}, .description = "Label46",
         .loops = {coloured(kOrange, range(0, 1.2, 0.01), 2, pauseMs(1),
                            {fixed(3, -180, 3, 240), penColourSwitch(kMaroon)})}});
    // Label139 and Label114 give the banner its text but leave it as it is shown or hidden.
    add({.controls = {"Label139"}, .event = kClick, .letters = u"ШМЩ", .shows = {"Label51"},
         .description = "Label52", .showsBanner = false, .shiftX = 150, .stroke = VerticalGuideStroke});
    add({.controls = {"Label139"}, .event = kClick, .shows = {"Label51"}, .description = "Label52",
         .showsBanner = false, .shiftX = 99, .stroke = VerticalGuideStroke});
    add({.controls = {"Label105"}, .event = kClick, .shows = {"Label45"}, .description = "Label46", .shiftX = 1,
         .stroke = VerticalGuideStroke});
    add({.controls = {"Label133"}, .event = kClick, .shows = {"Label45"}, .description = "Label46", .shiftX = 1,
         .stroke = VerticalGuideStroke});
    add({.controls = {"Label114"}, .event = kClick, .shows = {"Label51"}, .description = "Label52",
         .showsBanner = false, .shiftX = 116, .stroke = VerticalGuideStroke});
    add({.controls = {"Label107"}, .event = kClick, .shows = {"Label54"}, .description = "Label55", .shiftY = -3,
         .stroke = HorizontalGuideStroke});
    add({.controls = {"Label140"}, .event = kClick, .shows = {"Label51"}, .description = "Label52", .shiftY = -75,
         .stroke = HorizontalGuideStroke});
    // The first foot caption of "Л", "y4=" "-1,5": "Д" has no caption for this line.
    add({.controls = {"Label78"}, .event = kClick, .letters = u"Л", .shows = {"Label53", "Label54"},
         .description = "Label55",
         .shiftY = 69, .stroke = HorizontalGuideStroke});
    add({.controls = {"Label108"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .stroke = AbsCornerStroke});
    add({.controls = {"Label119"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .stroke = SlantLineStroke});
    add({.controls = {"Label76"}, .event = kClick, .shows = {"Label54"}, .description = "Label55",
         .stroke = ParabolaArmStroke});
    add({.controls = {"Label75"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .loops = {coloured(kOrange, range(0, 2.26, 0.001), 2, kNoPause,
                            {dot(T(33 + 33.5 * t), T(-75 - 20 * t * t))})}});
    add({.controls = {"Label77"}, .event = kClick, .shows = {"Label45"}, .description = "Label46",
         .loops = {coloured(kOrange, range(0, 1.4, 0.001), 3, pauseMs(1), {dot(T(-5 + 33 * t), T(1 - 88 * t * t))})}});
    add({.controls = {"Label80"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .loops = {acrossAt(kRed, {grow(-49, -150, T(49 * t), -150)})}});
    add({.controls = {"Label83"}, .event = kClick, .shows = {"Label57"}, .description = "Label58",
         .loops = {coloured(kRed, range(0, 0.1, 0.01), 2, pauseMs(1), {fixed(2, -176, 2, 240)})}});
    add({.controls = {"Label84"}, .event = kClick, .shows = {"Label60"}, .description = "Label61", .shiftX = 0,
         .loops = {coloured(kRed, range(0, 0.1, 0.01), 2, pauseMs(1), {fixed(106, -176, 106, 240)})}});
    add({.controls = {"Label81"}, .event = kClick, .shows = {"Label45"}, .description = "Label46",
         .loops = {coloured(kOrange, range(-0.72, 2.1, 0.01), 2, pauseMs(1),
                            {grow(25, -75, T(25 - 48 * t), T(-75 + 144 * t))})}});
    add({.controls = {"Label82"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .loops = {coloured(kOrange, range(-0.72, 2.1, 0.01), 2, pauseMs(1),
                            {grow(73, -75, T(73 + 48 * t), T(-75 + 144 * t))})}});
    add({.controls = {"Label66"}, .event = kClick, .shows = {"Label57"}, .description = "Label58",
         .loops = {coloured(kOrange, range(-1.7, 1.7, 0.001), 2, kNoPause,
                            {dot(T(100 - 80 * t * t), T(-113 + 62 * t))})}});
    add({.controls = {"Label67"}, .event = kClick, .shows = {"Label60"}, .description = "Label61",
         .loops = {coloured(kOrange, range(-1.7, 1.7, 0.001), 2, kNoPause,
                            {dot(T(100 - 80 * t * t), T(-39 + 60 * t))})}});
    add({.controls = {"Label68", "Label69"}, .event = kClick, .shows = {"Label45"}, .description = "Label46",
         .loops = {coloured(kOrange, range(-2.3, 3.41, 0.01), 1, pauseMs(1),
                            {grow(148, 71, T(148 - 49 * t), T(71 - 72 * t))})}});
    add({.controls = {"Label70", "Label71"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .loops = {coloured(kOrange, range(-1.51, 4.3, 0.01), 1, pauseMs(1),
                            {grow(46, -71, T(46 - 49 * t), T(-71 + 72 * t))})}});
    add({.controls = {"Label72"}, .event = kClick, .shows = {"Label45"}, .description = "Label46",
         .loops = {coloured(kOrange, range(-2.4, 6, 0.01), 1, pauseMs(1),
                            {grow(54, -70, T(54 + 30 * t), T(-70 + 45 * t))})}});
    add({.controls = {"Label73", "Label74"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .loops = {coloured(kOrange, range(0, 2.2, 0.001), 2, kNoPause,
                            {dot(T(4 + 46.5 * t), T(-5 - 47 * (t - 0.27) * (t - 0.27)))})}});
    add({.controls = {"Label85"}, .event = kClick, .shows = {"Label45"}, .description = "Label46",
         .loops = {coloured(kOrange, range(-1.56, 1.56, 0.001), 2, pauseMs(1),
                            {dot(T(100 * t * t), T(-116 + 57 * t))})}});
    add({.controls = {"Label86"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .loops = {coloured(kOrange, range(-3.5, 3.3, 0.01), 1, pauseMs(1),
                            {grow(-31, 37, T(-31 - 49 * t), T(37 + 62 * t))})}});
    add({.controls = {"Label87"}, .event = kClick, .shows = {"Label51"}, .description = "Label52",
         .loops = {coloured(kOrange, range(-5.2, 4.7, 0.01), 2, pauseMs(1), {grow(-9, -151, T(-9 - 49 * t), -151)})}});
    add({.controls = {"Label88"}, .event = kClick, .shows = {"Label54"}, .description = "Label55",
         .loops = {coloured(kOrange, range(-4.4, 4.4, 0.01), 2, pauseMs(1), {grow(-8, -77, T(-8 - 49 * t), -77)})}});
    add({.controls = {"Label89"}, .event = kClick, .shows = {"Label57"}, .description = "Label58",
         .loops = {coloured(kOrange, range(-1.58, 1.98, 0.01), 2, pauseMs(1),
                            {grow(100, 10, 100, T(10 + 116.5 * t))})}});
    add({.controls = {"Label90", "Label91"}, .event = kClick, .shows = {"Label45"}, .description = "Label46",
         .colourOnce = kRed,
         .loops = {plain(range(-1.06, 1.06, 0.001), 2, pauseMs(1), {dot(T(58 - 63 * t), T(-75 - 90 * t * t))})}});
    add({.controls = {"Label92", "Label93"}, .event = kClick, .shows = {"Label48"}, .description = "Label49",
         .colourOnce = kRed,
         .loops = {plain(range(-1.86, 1.86, 0.001), 2, pauseMs(1), {dot(T(58 - 63 * t), T(-75 + 90 * t * t))})}});
    add({.controls = {"Label94"}, .event = kClick, .shows = {"Label51"}, .description = "Label52",
         .colourOnce = kRed,
         .loops = {plain(range(-1.3, 4, 0.001), 2, pauseMs(1), {grow(58, -76, 58, T(-76 + 80 * t))})}});
    add({.controls = {"Label95"}, .event = kClick, .shows = {"Label45", "Label48"}, .description = "Label46",
         .colourOnce = kRed,
         .loops = {plain(range(0, 5, 0.001), 3, pauseMs(1),
                         {dot(T(48 - 45 * std::cos(t)), T(-112 - 37.5 * std::sin(t)))})}});
    add({.controls = {"Label96"}, .event = kClick, .shows = {"Label51", "Label54"}, .description = "Label52",
         .colourOnce = kRed,
         .loops = {plain(range(0, 5, 0.001), 3, pauseMs(1),
                         {dot(T(48 + 45 * std::sin(t)), T(-39 - 37.5 * std::cos(t)))})}});
    // "Ы" writes both coordinates of its bowl in Label57; its Label60 is the upright.
    add({.controls = {"Label97"}, .event = kClick, .letters = u"Ы", .shows = {"Label57"}, .description = "Label58",
         .colourOnce = kRed,
         .loops = {plain(range(-1.84, 1.84, 0.0009), 2, kNoPause, {dot(T(100 - 100 * t * t), T(-43 + 62 * t))})}});
    add({.controls = {"Label97"}, .event = kClick, .shows = {"Label57", "Label60"}, .description = "Label58",
         .colourOnce = kRed,
         .loops = {plain(range(-1.84, 1.84, 0.0009), 2, kNoPause, {dot(T(100 - 100 * t * t), T(-43 + 62 * t))})}});
    add({.controls = {"Label101"}, .event = kClick, .shows = {"Label54", "Label57"}, .description = "Label55",
         .loops = {coloured(kOrange, range(-1.7, 1.7, 0.001), 2, kNoPause,
                            {dot(T(100 - 111 * t * t), T(-110 + 67 * t))})}});
    add({.controls = {"Label118"}, .event = kClick, .shows = {"Label54"}, .description = "Label55",
         .loops = {coloured(kRed, range(-0.34, 0.34, 0.001), 2, pauseMs(3),
                            {dot(T(50 + 155 * t), T(-156 - 190 * t * t))})}});
    add({.controls = {"Label122"}, .event = kClick, .shows = {"Label51", "Label54"}, .description = "Label52",
         .loops = {coloured(kOrange, range(0, 7, 0.01), 3, pauseMs(3),
                            {dot(T(73 + 47 * std::cos(t)), T(-76 - 73.5 * std::sin(t)))})}});
    add({.controls = {"Label136"}, .event = kClick, .shows = {"Label48", "Label51"}, .description = "Label49",
         .loops = {coloured(kRed, range(0, 7, 0.01), 2, pauseMs(2),
                            {dot(T(61 + 57.75 * std::cos(t)), T(-75 - 49 * std::sin(t)))})}});
    add({.controls = {"Label137"}, .event = kClick, .shows = {"Label48", "Label51"}, .description = "Label49",
         .loops = {coloured(kRed, range(0, 7, 0.01), 2, pauseMs(3),
                            {dot(T(61 + 57.75 * std::cos(t)), T(-75 - 49 * std::sin(t)))})}});

    // --- Letter pictures ---------------------------------------------------------------------
    add({.controls = {"ImElips"}, .event = kClick, .shows = {"Label45", "Label48"}, .description = "Label46",
         .originAtPlane = true,
         .loops = {coloured(kRed, range(0, 7, 0.001), 3, pauseMs(1),
                            {dot(T(50 + 49 * std::cos(t)), T(-76 - 73 * std::sin(t)))})}});
    add({.controls = {"ImS"}, .event = kClick, .shows = {"Label45", "Label48"}, .description = "Label46",
         .colourOnce = kRed,
         .loops = {plain(range(0, 7, 0.01), 2, pauseMs(5),
                         {dot(T(56 + 53 * std::cos(t)), T(-76 - 72 * std::sin(t)))})}});
    add({.controls = {"ImEL"}, .event = kClick, .shows = {"Label45", "Label48"}, .description = "Label46",
         .colourOnce = kRed,
         .loops = {plain(range(0.7, 5.6, 0.001), 3, pauseMs(1),
                         {dot(T(43 - 54 * std::cos(t)), T(-76 - 73 * std::sin(t)))})}});
    // "Х" is explained stroke by stroke: its picture only reveals the four strips.
    add({.controls = {"ImXa"}, .event = kClick, .shows = {"Label68", "Label69", "Label70", "Label71"},
         .showsBanner = false, .clearsPlane = false});
    // The picture of "Й" answers a click with nothing.
    add({.controls = {"ImKratJ"}, .event = kClick, .showsBanner = false, .clearsPlane = false});

    // clang-format on
    return rows;
}

}  // namespace

std::span<const PartPick> partPicks() {
    static const std::vector<PartPick> rows = buildRows();
    // clang-format on
    return rows;
}
