#pragma once

// The main window's captions and tool tips, as code points: the Kurdish texts use the
// Arabic letters and Kurdish letters exactly as the old program showed them.
namespace Form3Texts {

inline constexpr char16_t WindowCaption[] = u"Pirtok";
inline constexpr char16_t ReverseButton[] = u"\u0642\u06D5\u06B5\u067E\u06A9\u0631\u062F\u0646";
inline constexpr char16_t KeysHint[] = u"F2=Undo     F1=\u0626\u06D5\u0646\u062C\u0627\u0645";
inline constexpr char16_t PairsTitle[] = u"\u06AF\u06C6\u0695\u064A\u0646\u0647\u0648\u0647\u0649 "
                                         u"\u067E\u064A\u062A\u06CE\u0643\n"
                                         u"\u0628\u0647 \u067E\u064A\u062A\u06CE\u0643\u064A\u062A\u0631 "
                                         u"\u062A\u0631";
inline constexpr char16_t PairWordTo[] = u"\u0628\u0640\u0647";
inline constexpr char16_t MainTextInitial[] = u"\u0634\u0648\u06CE\u0646\u0649 "
                                              u"\u0646\u0648\u0648\u0633\u064A\u0646 ";
inline constexpr char16_t LeftToRight[] = u" \u0686\u0647\u067E ";
inline constexpr char16_t BlackColour[] = u" \u0631\u0647\u0646\u06AF\u0649 \u0631\u0647\u0634 ";
inline constexpr char16_t FontCaption[] = u"\u0641\u06C6\u0646\u062A";
inline constexpr char16_t SizeCaption[] = u"\u0642\u0647\u0628\u0627\u0631\u0647";
inline constexpr char16_t DirectionCaption[] = u"\u0648\u0647\u0631\u06AF\u06CE\u0631\u0627\u0646";
inline constexpr char16_t ArabicTyping[] =
    u"\u0646\u0648\u0648\u0633\u064A\u0646\u0649 \u0639\u0631\u0628\u064A";
inline constexpr char16_t Title[] = u"\u0646\u0648\u0633\u064A\u0646\u0649 \u0643\u0648\u0631\u062F\u0649 "
                                    u"\u0628\u06C6 \u064A\u0648\u0646\u064A\u0643\u06C6\u062F "
                                    u"\u064A\u0627\u062E\u0648\u062F \u0646\u0648\u0633\u064A\u0646\u0649 "
                                    u"\u064A\u0648\u0646\u064A\u0643\u06C6\u062F \u0628\u06C6 "
                                    u"\u0643\u0648\u0631\u062F\u0649";
inline constexpr char16_t ReplaceAll[] = u"\u0648\u0631\u06AF\u064A\u0651\u0631\u0627\u0646\u0649 "
                                         u"\u06AF\u0634\u062A\u0649";
inline constexpr char16_t ReplaceOnce[] = u"\u0648\u0631\u06AF\u064A\u0651\u0631\u0627\u0646";
inline constexpr char16_t Search[] = u"\u06AF\u0647\u0631\u0627\u0646 F3";
inline constexpr char16_t SearchTip[] = u"\u062F\u0627\u06AF\u0631\u0647 F3  \u06AF\u0647\u0631\u0627\u0646 "
                                        u"\u0628\u0647 \u062F\u0648\u0627\u0648\u0649 \u0648\u0634\u0647 "
                                        u"\u0643\u0644\u064A\u0644\u0649";
inline constexpr char16_t Undo[] = u"Undo";
inline constexpr char16_t UndoTip[] = u"\u062F\u0627\u06AF\u0631\u0647 F2 ";
inline constexpr char16_t Convert[] = u"\u0626\u0647\u0646\u062C\u0627\u0645";
inline constexpr char16_t Help[] = u"?";
inline constexpr char16_t HelpTip[] = u"\u064A\u0627\u0631\u0645\u0647\u062A\u0649";
inline constexpr char16_t Settings[] = u"@";
inline constexpr char16_t SettingsTip[] = u"\u0643\u0647\u0644 \u0648 \u067E\u0647\u0644 ";
inline constexpr char16_t Pairs[] = u"\u062A\u0647\u0628\u062F\u064A\u0644";
inline constexpr char16_t Bold[] = u"B";
inline constexpr char16_t Italic[] = u"I";
inline constexpr char16_t Progress[] = u"%100";

} // namespace Form3Texts
