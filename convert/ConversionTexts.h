#pragma once

// The conversion area's Kurdish texts, as code points. Texts holding letters beyond the
// Arabic code page are assembled at run time from these pieces and the window's letters.
namespace ConversionTexts {

// The direction list: "Kurdish to Unicode" and "Unicode to Kurdish", around the letter oe.
inline constexpr char16_t KurdishPart[] = u"\u0643\u0648\u0631\u062F\u0649";    // Kurdish
inline constexpr char16_t ToPartBeforeO[] = u"\u0628";                          // "to" = b + oe
inline constexpr char16_t UnicodeBeforeO[] = u"\u064A\u0648\u0646\u064A\u0643"; // Unicode = yunik + oe + d
inline constexpr char16_t UnicodeAfterO[] = u"\u062F";

// The entries after the first two, in standard Sorani: "Ali-K to Unicode", "Ali-Web to
// Unicode", "Dylan to Unicode", "Zarnegar to Unicode", "automatic detection to Unicode",
// "Unicode to standard Unicode", "Unicode to Ali-K".
inline constexpr const char16_t *LaterEntries[] = {
    u"Ali-K \u0628\u06C6 \u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F",
    u"Ali-Web \u0628\u06C6 \u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F",
    u"Dylan \u0628\u06C6 \u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F",
    u"Zarnegar \u0628\u06C6 \u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F",
    u"\u0646\u0627\u0633\u06CC\u0646\u06D5\u0648\u06D5\u06CC \u062E\u06C6\u06A9\u0627\u0631 "
    u"\u0628\u06C6 \u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F",
    u"\u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F \u0628\u06C6 "
    u"\u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F\u06CC \u0633\u062A\u0627\u0646\u062F\u0627\u0631\u062F",
    u"\u06CC\u0648\u0646\u06CC\u06A9\u06C6\u062F \u0628\u06C6 Ali-K",
};

// The question before a conversion: "Do you agree that I convert the words from " + direction.
inline constexpr char16_t QuestionStart[] = u"\u0626\u0627\u064A\u0647 ";
inline constexpr char16_t QuestionAfterRr[] =
    u"\u0627\u0632\u064A\u062A \u0648\u0648\u0634\u0647\u0643\u0627\u0646 "
    u"\u0648\u0647\u0631 \u0628\u06AF";
inline constexpr char16_t QuestionAfterEe[] = u"\u0631\u0645 \u0644\u0647 ";
// Its title, "conversion": these pieces around the letters ee and rr.
inline constexpr char16_t TitleStart[] = u"\u0648\u0629\u0631\u0643";
inline constexpr char16_t TitleEnd[] = u"\u0627\u0646";

// "The work finished safely", titled "Finished".
inline constexpr char16_t Completed[] = u"\u0643\u0627\u0631\u0647\u0643\u0647 \u0628\u0647 "
                                        u"\u0633\u0647\u0644\u0627\u0645\u0647\u062A\u0649 "
                                        u"\u062A\u0647\u0648\u0627\u0648 \u0628\u0648\u0648 ";
inline constexpr char16_t CompletedTitle[] = u" \u062A\u0647\u0648\u0627\u0648 \u0628\u0648\u0648\u0646 ";

} // namespace ConversionTexts
