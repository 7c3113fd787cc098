#include "calc/ResultFields.h"

#include <initializer_list>

namespace {

ResultField Number(const char* name, Box box) { return ResultField{name, ResultField::kNumber, box, List()}; }
ResultField Text(const char* name, Box box) { return ResultField{name, ResultField::kText, box, List()}; }
ResultField Hemisphere(const char* name, List list) { return ResultField{name, ResultField::kHemisphere, Box(), list}; }

const std::vector<ResultField> kLatitudeParts = {
    Number("lat_whole_deg", Box::LatitudeDegree), Number("lat_min", Box::LatitudeMinute),
    Number("lat_sec", Box::LatitudeSecond), Hemisphere("lat_hemisphere", List::LatitudeWorld)};
const std::vector<ResultField> kLongitudeParts = {
    Number("lon_whole_deg", Box::LongitudeDegree), Number("lon_min", Box::LongitudeMinute),
    Number("lon_sec", Box::LongitudeSecond), Hemisphere("lon_hemisphere", List::LongitudeWorld)};

std::vector<ResultField> Joined(std::initializer_list<std::vector<ResultField>> parts)
{
    std::vector<ResultField> fields;
    for (const std::vector<ResultField>& part : parts)
        fields.insert(fields.end(), part.begin(), part.end());
    return fields;
}

} // namespace

const std::vector<ResultField>& ResultFields(SavedGroup command)
{
    static const std::vector<ResultField> kDms = {Number("lat_deg", Box::LatitudeDecimal),
                                                  Number("lon_deg", Box::LongitudeDecimal), Text("locator", Box::Locator)};
    static const std::vector<ResultField> kDecimal = Joined({{Text("locator", Box::Locator)}, kLatitudeParts, kLongitudeParts});
    static const std::vector<ResultField> kLocator = Joined(
        {{Number("lat_deg", Box::LatitudeDecimal)}, kLatitudeParts, {Number("lon_deg", Box::LongitudeDecimal)}, kLongitudeParts});
    static const std::vector<ResultField> kDistance = {
        Number("bearing_deg", Box::Bearing), Number("distance_mi", Box::StatuteMiles),
        Number("distance_km", Box::Kilometers), Number("distance_nmi", Box::NauticalMiles)};
    switch (command) {
    case SavedGroup::Dms:
        return kDms;
    case SavedGroup::Decimal:
        return kDecimal;
    case SavedGroup::Locator:
        return kLocator;
    case SavedGroup::Distance:
        break;
    }
    return kDistance;
}

const std::string& ResultText(const CForm& form, const ResultField& field)
{
    if (field.kind != ResultField::kHemisphere)
        return form.Text(field.box);
    // Index 1 of a hemisphere list is "S" or "W".
    return ListEntries(field.list)[form.Choice(field.list) == 1 ? 1 : 0];
}

std::string ResultLine(const CForm& form, SavedGroup command)
{
    const std::vector<ResultField>& fields = ResultFields(command);
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ' ';
        line += ResultText(form, fields[i]);
    }
    return line;
}

CRecordWriter ResultRecord(const CForm& form, SavedGroup command)
{
    CRecordWriter record;
    for (const ResultField& field : ResultFields(command)) {
        if (field.kind == ResultField::kNumber)
            record.AddNumberText(field.name, ResultText(form, field));
        else
            record.AddText(field.name, ResultText(form, field));
    }
    return record;
}
