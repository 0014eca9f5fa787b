#include "model/NumberEntry.h"

#include "model/NumberText.h"
#include "model/Text.h"

namespace tarvel
{

EntryCheck checkNumberEntry(std::string_view text, NumberRange range, const std::vector<std::string>& units)
{
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return EntryCheck::Intermediate;
    const std::size_t digitsStart = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    const std::string_view digits = text.substr(digitsStart, at - digitsStart);
    const std::string_view rest = text.substr(at);
    bool unitFits = rest.empty();
    for (const std::string& unit : units)
        unitFits = unitFits || std::string_view(unit).starts_with(rest);
    if (!unitFits)
        return EntryCheck::Refused;
    if (digits.empty())
        return EntryCheck::Intermediate; // "Hz" left alone: the digits may be typed back
    const long long value = leadingDigits(digits); // saturated: a long digit string stays above any range
    if (value > range.maximum)
        return EntryCheck::Refused;
    return value < range.minimum ? EntryCheck::Intermediate : EntryCheck::Acceptable;
}

UserMessage numberRangeMessage(NumberRange range)
{
    return { Text(QT_TRANSLATE_NOOP("core", "Solo se Aceptan Numeros de %1 a %2"))
                 .arg(plainNumber(range.minimum))
                 .arg(plainNumber(range.maximum)),
        QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Information };
}

} // namespace tarvel
