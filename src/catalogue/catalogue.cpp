#include "catalogue/catalogue.h"

#include "units/rounding.h"
#include "units/unit_factors.h"

namespace pc {

const std::array<QString, 4> Catalogue::AvailabilityText = {
    QStringLiteral(" steel grade not available for this section"),
    QStringLiteral(" available "),
    QStringLiteral(" steel grade available on request. Restrictions apply "),
    QStringLiteral(" please contact the technical department "),
};

void Catalogue::deriveLoadedValues()
{
    MaxMomentImp = static_cast<double>(truncZero(MaxMoment * 10.0L / KNM_PER_KIPFT) / 10.0L);
    MaxLoadImp = static_cast<double>(truncZero(MaxLoad * 10.0L / KNPM_PER_KIPPFT) / 10.0L);
    MaxDeflectionImp =
        static_cast<double>(truncZero(MaxDeflection * 10.0L / CM_PER_IN_DEFLECTION_LIMIT) / 10.0L);
    MaxWallLengthFt = static_cast<double>(roundToPow10(MaxWallLength / M_PER_FT, -1));
}

} // namespace pc
