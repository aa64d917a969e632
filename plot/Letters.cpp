#include "Letters.h"

#include "InternalError.h"

namespace letters {
namespace {

// letter, Alphabet key, lesson slot, picture, Function key, template picture, Text key, wide
constexpr LetterRecord kLetters[] = {
    {u'А', "Label5", "Image1", "ImA", "Label170", "ImAJ", "Label206", false},
    {u'Б', "Label34", "Image2", "ImB", "Label186", "ImBJ", "Label222", false},
    {u'В', "Label3", "Image3", "ImV", "Label169", "ImVJ", "Label205", false},
    {u'Г', "Label4", "Image4", "ImG", "Label161", "ImGJ", "Label197", false},
    {u'Д', "Label7", "Image5", "ImD", "Label175", "ImDJ", "Label211", true},
    {u'Е', "Label6", "Image6", "ImE", "Label159", "ImEJ", "Label195", false},
    {u'Ё', "Label2", "Image7", "ImJO", "Label178", "ImJOJ", "Label214", false},
    {u'Ж', "Label9", "Image11", "ImJE", "Label176", "ImJEJ", "Label212", true},
    {u'З', "Label8", "Image12", "ImZ", "Label164", "ImZJ", "Label200", false},
    {u'И', "Label19", "Image13", "ImI", "Label183", "ImIJ", "Label219", false},
    {u'Й', "Label10", "Image14", "ImKratJ", "Label155", "ImKratIJ", "Label191", false},
    {u'К', "Label11", "Image15", "ImK", "Label158", "ImKJ", "Label194", false},
    {u'Л', "Label12", "Image16", "ImL", "Label152", "ImLJ", "Label210", true},
    {u'М', "Label13", "Image17", "ImM", "Label182", "ImMJ", "Label218", true},
    {u'Н', "Label14", "Image18", "ImN", "Label160", "ImNJ", "Label196", false},
    {u'О', "Label15", "Image19", "ImElips", "Label153", "ImOJ", "Label209", false},
    {u'П', "Label16", "Image20", "ImP", "Label171", "ImPJ", "Label207", false},
    {u'Р', "Label17", "Image21", "ImR", "Label172", "ImRJ", "Label208", false},
    {u'С', "Label18", "Image22", "ImS", "Label173", "ImSJ", "Label217", false},
    {u'Т', "Label29", "Image23", "ImT", "Label184", "ImTJ", "Label220", false},
    {u'У', "Label20", "Image24", "ImU", "Label157", "ImUJ", "Label193", false},
    {u'Ф', "Label21", "Image25", "ImF", "Label167", "ImFJ", "Label203", true},
    {u'Х', "Label22", "Image26", "ImXa", "Label165", "ImHJ", "Label201", false},
    {u'Ц', "Label23", "Image27", "ImC", "Label156", "ImCJ", "Label192", false},
    {u'Ч', "Label24", "Image28", "ImCH", "Label180", "ImCHJ", "Label216", false},
    {u'Ш', "Label25", "Image29", "ImSh", "Label162", "ImSHJ", "Label198", true},
    {u'Щ', "Label26", "Image30", "ImSHA", "Label163", "ImSHAJ", "Label199", true},
    {u'Ъ', "Label27", "Image32", "ImZnakTverd", "Label166", "ImZnakTJ", "Label202", false},
    {u'Ы', "Label28", "Image33", "ImIE", "Label168", "ImEIJ", "Label204", true},
    {u'Ь', "Label33", "Image34", "ImZnakM", "Label185", "ImZnakMJ", "Label221", false},
    {u'Э', "Label30", "Image35", "ImEL", "Label177", "ImELJ", "Label213", false},
    {u'Ю', "Label32", "Image36", "ImYU", "Label187", "ImYUJ", "Label223", true},
    {u'Я', "Label35", "Image37", "ImYA", "Label179", "ImYAJ", "Label215", true},
};

template <typename Field>
const LetterRecord* findBy(Field field, const QString& name) {
    for (const LetterRecord& r : kLetters)
        if (name == QLatin1String(r.*field)) return &r;
    return nullptr;
}

}  // namespace

std::span<const LetterRecord> all() {
    return kLetters;
}

const LetterRecord* find(char16_t letter) {
    for (const LetterRecord& r : kLetters)
        if (r.letter == letter) return &r;
    return nullptr;
}

const LetterRecord& of(char16_t letter) {
    if (const LetterRecord* r = find(letter)) return *r;
    throw InternalError("no record for the letter " + QString(QChar(letter)).toStdString());
}

const LetterRecord* byAlphabetKey(const QString& key) {
    return findBy(&LetterRecord::alphabetKey, key);
}

const LetterRecord* byPicture(const QString& picture) {
    return findBy(&LetterRecord::picture, picture);
}

}  // namespace letters
