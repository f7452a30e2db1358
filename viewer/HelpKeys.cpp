#include "viewer/HelpKeys.h"

namespace HelpKeys {

// clang-format off
const std::array<Key, 63> Keys = {{
    {0, 1, u"\u0698", u"\u0630"}, // jeh on the key of thal
    {0, 1, u"1"}, {0, 1, u"2"}, {0, 1, u"3"}, {0, 1, u"4"}, {0, 1, u"5"},
    {0, 1, u"6"}, {0, 1, u"7"}, {0, 1, u"8"}, {0, 1, u"9"}, {0, 1, u"0"},
    {0, 1, u"-"}, {0, 1, u"="}, {0, 2, u"bksp"},

    {1, 1.5, u"tab"},
    {1, 1, u"\u0686", u"\u0636"}, // tcheh on dad
    {1, 1, u"\u06B5", u"\u0635"}, // lam with small v on sad
    {1, 1, u"\u067E", u"\u062B"}, // peh on theh
    {1, 1, u"\u0642", u"\u0642"}, {1, 1, u"\u0641", u"\u0641"}, {1, 1, u"\u063A", u"\u063A"},
    {1, 1, u"\u0639", u"\u0639"}, {1, 1, u"\u0647", u"\u0647"}, {1, 1, u"\u062E", u"\u062E"},
    {1, 1, u"\u062D", u"\u062D"}, {1, 1, u"\u062C", u"\u062C"}, {1, 1, u"\u062F", u"\u062F"},
    {1, 1.5, u"\\"},

    {2, 1.75, u"lock"},
    {2, 1, u"\u0634", u"\u0634"}, {2, 1, u"\u0633", u"\u0633"}, {2, 1, u"\u064A", u"\u064A"},
    {2, 1, u"\u0628", u"\u0628"}, {2, 1, u"\u0644", u"\u0644"}, {2, 1, u"\u0627", u"\u0627"},
    {2, 1, u"\u062A", u"\u062A"}, {2, 1, u"\u0646", u"\u0646"}, {2, 1, u"\u0645", u"\u0645"},
    {2, 1, u"\u0643", u"\u0643"},
    {2, 1, u"\u06AF", u"\u0637"}, // gaf on tah
    {2, 2.25, u"ent"},

    {3, 2, u"shft"},
    {3, 1, u"\u0626", u"\u0626"}, {3, 1, u"\u0621", u"\u0621"},
    {3, 1, u"\u06C6", u"\u0624"}, // oe on waw with hamza
    {3, 1, u"\u0631", u"\u0631"}, {3, 1, u"\u0644\u0627", u"\u0644\u0627"},
    {3, 1, u"\u06CE", u"\u0649"}, // yeh with small v on alef maksura
    {3, 1, u"\u06D5", u"\u0629"}, // ae on teh marbuta
    {3, 1, u"\u0648", u"\u0648"}, {3, 1, u"\u0632", u"\u0632"},
    {3, 1, u"\u06A4", u"\u0638"}, // veh on zah
    {3, 1, u"shft"}, {3, 1, u"\u2191"}, {3, 1, nullptr},

    {4, 1.5, u"ctrl"}, {4, 1.25, u"alt"}, {4, 6.5, u""}, {4, 1.25, u"alt"}, {4, 1.5, nullptr},
    {4, 1, u"\u2190"}, {4, 1, u"\u2193"}, {4, 1, u"\u2192"},
}};
// clang-format on

const std::array<ShiftedLetter, 2> ShiftedLetters = {{
    {u"\u0695", u"\u0631", u'{'},      // reh with small v below = reh + shft
    {u"\u0629", u"\u06D5", u'\u2019'}, // teh marbuta = ae + shft
}};

} // namespace HelpKeys
