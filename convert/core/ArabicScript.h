#pragma once

// The Arabic-script code points the standard pass and the line classifier test for, and the
// character classes they share. Header only: every test is a range check or a table lookup.

namespace pirtok::arabic {

constexpr char16_t Comma = 0x060C;          // ،
constexpr char16_t Semicolon = 0x061B;      // ؛
constexpr char16_t QuestionMark = 0x061F;   // ؟
constexpr char16_t Hamza = 0x0621;          // ء
constexpr char16_t AlefMadda = 0x0622;      // آ
constexpr char16_t AlefHamzaAbove = 0x0623; // أ
constexpr char16_t WawHamza = 0x0624;       // ؤ
constexpr char16_t AlefHamzaBelow = 0x0625; // إ
constexpr char16_t Alef = 0x0627;           // ا
constexpr char16_t Beh = 0x0628;            // ب
constexpr char16_t TehMarbuta = 0x0629;     // ة
constexpr char16_t Theh = 0x062B;           // ث
constexpr char16_t Thal = 0x0630;           // ذ
constexpr char16_t Reh = 0x0631;            // ر
constexpr char16_t Sad = 0x0635;            // ص
constexpr char16_t Dad = 0x0636;            // ض
constexpr char16_t Tah = 0x0637;            // ط
constexpr char16_t Zah = 0x0638;            // ظ
constexpr char16_t Tatweel = 0x0640;        // ـ
constexpr char16_t Kaf = 0x0643;            // ك
constexpr char16_t Lam = 0x0644;            // ل
constexpr char16_t Heh = 0x0647;            // ه
constexpr char16_t Waw = 0x0648;            // و
constexpr char16_t AlefMaksura = 0x0649;    // ى
constexpr char16_t Yeh = 0x064A;            // ي
constexpr char16_t Fathatan = 0x064B;
constexpr char16_t Dammatan = 0x064C;
constexpr char16_t Kasratan = 0x064D;
constexpr char16_t Fatha = 0x064E;
constexpr char16_t Damma = 0x064F;
constexpr char16_t Kasra = 0x0650;
constexpr char16_t Shadda = 0x0651;
constexpr char16_t Sukun = 0x0652;
constexpr char16_t ArabicIndicZero = 0x0660;
constexpr char16_t ArabicIndicNine = 0x0669;
constexpr char16_t Peh = 0x067E;            // پ
constexpr char16_t Tcheh = 0x0686;          // چ
constexpr char16_t Rreh = 0x0695;           // ڕ
constexpr char16_t Jeh = 0x0698;            // ژ
constexpr char16_t Veh = 0x06A4;            // ڤ
constexpr char16_t Keheh = 0x06A9;          // ک
constexpr char16_t SwashKaf = 0x06AA;       // ڪ
constexpr char16_t Gaf = 0x06AF;            // گ
constexpr char16_t Lhe = 0x06B5;            // ڵ
constexpr char16_t HehDoachashmee = 0x06BE; // ھ
constexpr char16_t HighHamzaWaw = 0x0676;   // ٶ
constexpr char16_t Oe = 0x06C6;             // ۆ
constexpr char16_t FarsiYeh = 0x06CC;       // ی
constexpr char16_t Ee = 0x06CE;             // ێ
constexpr char16_t YehBarree = 0x06D2;      // ے
constexpr char16_t Ae = 0x06D5;             // ە
constexpr char16_t PersianZero = 0x06F0;
constexpr char16_t PersianNine = 0x06F9;

constexpr char16_t Zwnj = 0x200C;
constexpr char16_t Zwj = 0x200D;
constexpr char16_t Lrm = 0x200E;
constexpr char16_t Rlm = 0x200F;
constexpr char16_t Bom = 0xFEFF;

// A letter in the sense of word boundaries: "final" means not followed by one of these.
// Tatweel U+0640 falls inside the first range on purpose.
constexpr bool isLetter(char16_t c)
{
    return (c >= 0x0620 && c <= 0x064A) || (c >= 0x066E && c <= 0x06D5) || (c >= 0x06FA && c <= 0x06FF);
}

// Vowel marks and the Quranic marks that sit on a letter.
constexpr bool isMark(char16_t c)
{
    return (c >= 0x064B && c <= 0x065F) || c == 0x0670 || (c >= 0x06D6 && c <= 0x06DC) ||
           (c >= 0x06DF && c <= 0x06E4) || c == 0x06E7 || c == 0x06E8 || (c >= 0x06EA && c <= 0x06ED);
}

// Part of a word for its neighbours: a letter, a mark on it, or a joiner inside it.
constexpr bool continuesWord(char16_t c)
{
    return isLetter(c) || isMark(c) || c == Zwnj || c == Zwj;
}

// Any code point of the Arabic script blocks, presentation forms included.
constexpr bool isArabicScript(char16_t c)
{
    return (c >= 0x0600 && c <= 0x06FF) || (c >= 0x0750 && c <= 0x077F) || (c >= 0x08A0 && c <= 0x08FF) ||
           (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFC);
}

// Direction marks, joiners and the byte order mark: invisible, and debris in standard text.
constexpr bool isInvisibleMark(char16_t c)
{
    return c == Zwnj || c == Zwj || c == Lrm || c == Rlm || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == Bom;
}

} // namespace pirtok::arabic
