#include "convert/core/Family.h"

#include <array>

namespace pirtok {

namespace {

struct Named
{
    Family family;
    QStringView name;
};

constexpr std::array<Named, FamilyCount> Names{{
    {Family::KurdishFont, u"kurdish-font"},
    {Family::AliK, u"ali-k"},
    {Family::AliWeb, u"ali-web"},
    {Family::Dylan, u"dylan"},
    {Family::Zarnegar, u"zarnegar"},
    {Family::Auto, u"auto"},
    {Family::Unicode, u"unicode"},
}};

} // namespace

QStringView familyName(Family family)
{
    for (const Named &named : Names) {
        if (named.family == family)
            return named.name;
    }
    return {};
}

std::optional<Family> familyFromName(QStringView name)
{
    for (const Named &named : Names) {
        if (named.name == name)
            return named.family;
    }
    return std::nullopt;
}

QStringList familyNames()
{
    QStringList names;
    for (const Named &named : Names)
        names.append(named.name.toString());
    return names;
}

} // namespace pirtok
