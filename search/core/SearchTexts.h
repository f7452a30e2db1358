#pragma once

// The search messages' Kurdish pieces, as code points. The letters ee (U+06CE) and rr
// (U+0695) lie beyond the Arabic code page and come from the window's letter variables.
namespace SearchTexts {

// "Sorry, that word is not in it": the pieces around the letter ee.
inline constexpr char16_t NotFoundBeforeEe[] =
    u"\u0628\u0628\u0648\u0631\u0647 \u0626\u0647\u0648 \u0648\u0634\u0647\u0649 \u062A";
// "Sorry, there is no other word in it".
inline constexpr char16_t NoMoreBeforeEe[] =
    u"\u0628\u0628\u0648\u0631\u0647 \u0647\u064A\u0686 "
    u"\u0648\u0634\u0647\u0649 \u062F\u064A\u0643\u0647\u0649 \u062A";
// The shared end of both, "... is not in it".
inline constexpr char16_t NotInItAfterEe[] = u"\u062F\u0627 \u0646\u064A\u0647";

// "The replacement is complete": the pieces around the letters ee and rr.
inline constexpr char16_t CompletedBeforeEe[] = u"\u0648\u0647\u0631\u06AF";
inline constexpr char16_t CompletedAfterRr[] =
    u"\u0627\u0646\u0647\u0643\u0647 \u062A\u0647\u0648\u0627\u0648\u0628\u0648\u0648";

// The count line after two line breaks: "Number of the replaced (" count ") replacements".
inline constexpr char16_t CountLineBreaks[] = u"\r\n\r\n";
inline constexpr char16_t CountBeforeEe[] = u"\u0698\u0645\u0627\u0631\u0647\u0649 \u0648\u0627\u0631\u06AF";
inline constexpr char16_t CountAfterEe[] = u"\u0631\u0627\u0648\u0647\u0643\u0627\u0646 (";
inline constexpr char16_t CountAfterNumber[] = u") \u0648\u0627\u0631\u06AF";
inline constexpr char16_t CountEnd[] = u"\u0631\u0627\u0646\u0647";

} // namespace SearchTexts
