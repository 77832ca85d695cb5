#include "catalogue/catalogue.h"

#include "units/rounding.h"

namespace pc {

const std::array<QString, 4> Catalogue::AvailabilityText = {
    QStringLiteral(" steel grade not available for this section"),
    QStringLiteral(" available "),
    QStringLiteral(" steel grade available on request. Restrictions apply "),
    QStringLiteral(" please contact the technical department "),
};

void Catalogue::deriveLoadedValues()
{
    GradeListMap.assign(GradeName.size(), 0);
    CurrentAnnex = 0;
    MaxMomentImp = static_cast<double>(truncZero(MaxMoment * 10.0L / 4.449741L) / 10.0L);
    MaxLoadImp = static_cast<double>(truncZero(MaxLoad * 10.0L / 14.598915L) / 10.0L);
    MaxDeflectionImp = static_cast<double>(truncZero(MaxDeflection * 10.0L / 2.53999L) / 10.0L);
    MaxWallLengthFt = static_cast<double>(roundToPow10(MaxWallLength / 0.304799L, -1));
}

} // namespace pc
