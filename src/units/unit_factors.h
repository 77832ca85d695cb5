#pragma once
// The conversion factors between the two unit systems, each the number of
// metric units in one imperial unit: metric = imperial x factor, imperial =
// metric / factor. They are the program's own values, slightly off the exact
// international ones, and every conversion uses them so that a value shown in
// one place converts as it does everywhere else.

namespace pc {

inline constexpr long double M_PER_FT = 0.304799L;         // m per ft: lengths
inline constexpr long double MPA_PER_KSI = 6.89714L;       // MPa per ksi: working fy
inline constexpr long double KNM_PER_KIPFT = 4.449741L;    // kNm/m per kips*ft/ft: moment, BMC
inline constexpr long double KNPM_PER_KIPPFT = 14.598915L; // kN/m per kips/ft: load
inline constexpr long double CM_PER_IN = 2.5399956L;       // cm per in: deflection
inline constexpr long double MM_PER_IN = 25.399956L;       // mm per in: tf, tw, flange width
inline constexpr long double MM_PER_MIL = 0.025399956L;    // mm per mil: losses and rates
inline constexpr long double CM3M_PER_IN3FT = 53.763147L;  // cm3/m per in3/ft: Wel
inline constexpr long double CM4M_PER_IN4FT = 136.558158L; // cm4/m per in4/ft: I
inline constexpr long double CM2M_PER_IN2FT = 21.16663L;   // cm2/m per in2/ft: A
inline constexpr long double KGM2_PER_LBFT2 = 4.88245L;    // kg/m2 per lb/ft2: wall weight
inline constexpr long double SHORT_T_PER_T = 1.102311L; // net t per metric t (imperial per metric)

// The same factors with other digits, each used in one place only and kept
// as they are there.
// cm per in in the cap test of the deflection when switching to imperial.
inline constexpr long double CM_PER_IN_DEFLECTION_CAP = 2.539995L;
// cm per in of the imperial deflection limit (MaxDeflectionImp).
inline constexpr long double CM_PER_IN_DEFLECTION_LIMIT = 2.53999L;
// mm per mil of the corrosion chart.
inline constexpr long double MM_PER_MIL_CHART = 0.02539956L;
// kg/m2 per lb/ft2 of the text report.
inline constexpr long double KGM2_PER_LBFT2_REPORT = 4.882445L;

} // namespace pc
