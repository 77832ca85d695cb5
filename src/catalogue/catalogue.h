#pragma once
// The one in-memory store of everything read from the catalogue file. Filled
// once at start-up, read-only afterwards except the two working fields
// GradeListMap and CurrentAnnex. Indices are 0-based; 2-D tables are
// [row][column] in file order.

#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pc {

// Availability codes, [section][grade], held in one block: a catalogue of
// thousands of sections would otherwise cost one allocation per row.
class AvailabilityTable
{
public:
    template <typename T> class Row
    {
    public:
        Row(T *p, size_t n) : p_(p), n_(n) {}
        T &operator[](size_t i) const { return p_[i]; }
        size_t size() const { return n_; }
        T *begin() const { return p_; }
        T *end() const { return p_ + n_; }

    private:
        T *p_;
        size_t n_;
    };

    template <typename T, typename Table> class RowIterator
    {
    public:
        RowIterator(Table *t, size_t r) : t_(t), r_(r) {}
        Row<T> operator*() const { return (*t_)[r_]; }
        RowIterator &operator++()
        {
            ++r_;
            return *this;
        }
        bool operator!=(const RowIterator &o) const { return r_ != o.r_; }

    private:
        Table *t_;
        size_t r_;
    };

    AvailabilityTable() = default;
    AvailabilityTable(std::initializer_list<std::initializer_list<int8_t>> rows)
    {
        rows_ = rows.size();
        cols_ = rows.size() ? rows.begin()->size() : 0;
        for (const auto &r : rows)
            codes_.insert(codes_.end(), r.begin(), r.end());
    }

    // `rows` copies of `row`.
    void assign(size_t rows, const std::vector<int8_t> &row)
    {
        rows_ = rows;
        cols_ = row.size();
        codes_.clear();
        codes_.reserve(rows * cols_);
        for (size_t r = 0; r < rows; ++r)
            codes_.insert(codes_.end(), row.begin(), row.end());
    }
    // rows x cols codes, row after row.
    void assign(size_t rows, size_t cols, const int8_t *codes)
    {
        rows_ = rows;
        cols_ = cols;
        codes_.assign(codes, codes + rows * cols);
    }

    size_t size() const { return rows_; }
    bool empty() const { return rows_ == 0; }
    size_t columns() const { return cols_; }

    Row<int8_t> operator[](size_t r) { return {codes_.data() + r * cols_, cols_}; }
    Row<const int8_t> operator[](size_t r) const { return {codes_.data() + r * cols_, cols_}; }

    RowIterator<int8_t, AvailabilityTable> begin() { return {this, 0}; }
    RowIterator<int8_t, AvailabilityTable> end() { return {this, rows_}; }
    RowIterator<const int8_t, const AvailabilityTable> begin() const { return {this, 0}; }
    RowIterator<const int8_t, const AvailabilityTable> end() const { return {this, rows_}; }

private:
    std::vector<int8_t> codes_;
    size_t rows_ = 0;
    size_t cols_ = 0;
};

// One set of corrosion tables (EN 1993-5 or a national annex).
struct Annex
{
    QString AnnexName;
    std::vector<int16_t> AnnexYear;                 // Y years, one per row
    std::vector<QString> AtmosColName;              // Ca column texts
    std::vector<std::vector<double>> AtmosLoss;     // [year][column], mm
    std::vector<QString> SoilColName;               // Cs
    std::vector<std::vector<double>> SoilLoss;      // [year][column], mm
    std::vector<QString> WaterColName;              // Cw
    std::vector<std::vector<double>> WaterLoss;     // [year][column], mm

    int AnnexYearCount() const { return static_cast<int>(AnnexYear.size()); }
    int AtmosColCount() const { return static_cast<int>(AtmosColName.size()); }
    int SoilColCount() const { return static_cast<int>(SoilColName.size()); }
    int WaterColCount() const { return static_cast<int>(WaterColName.size()); }
};

struct Catalogue
{
    // Families: FamilyRange[0] is the range of " ALL", FamilyRange[f] that of family f-1.
    std::vector<QString> FamilyName;
    std::vector<std::array<int16_t, 2>> FamilyRange; // F + 1 pairs {first, last}

    // Reduced-property tables: [loss step row][section].
    std::vector<int16_t> LossStep;                   // mm, whole numbers
    std::vector<std::vector<double>> RedA;           // cm2/m
    std::vector<std::vector<double>> RedI;           // cm4/m
    std::vector<std::vector<double>> RedWel;         // cm3/m

    // Sections.
    std::vector<QString> SectionName;
    std::vector<double> SectionWidth;                // m
    std::vector<double> SectionMass;                 // kg/m
    std::vector<double> SectionTf;                   // mm
    std::vector<double> SectionTw;                   // mm
    std::vector<double> SectionMaxLength;            // m

    // Steel grades.
    std::vector<QString> GradeName;
    std::vector<double> GradeFy;                     // N/mm2
    std::vector<double> GradeFyKsi;                  // ksi
    AvailabilityTable Availability;                  // [section][grade], codes 0..3

    std::vector<Annex> Annexes;

    std::vector<int16_t> ServiceLife;                // years
    std::vector<int16_t> ProtectionYears;            // years
    double MaxWallLength = 0;                        // m
    double MaxCorrosionRate = 0;                     // mm/year

    // Derived at load.
    double MaxWallLengthFt = 0;                      // ft, rounded to 0.1
    double MaxMomentImp = 0;                         // kips*ft/ft
    double MaxLoadImp = 0;                           // kips/ft
    double MaxDeflectionImp = 0;                     // in

    static constexpr int16_t MaxMoment = 2306;       // kNm/m
    static constexpr int16_t MaxLoad = 14821;        // kN/m
    static constexpr int16_t MaxDeflection = 50;     // cm
    static constexpr int AvailabilityTextCount = 4;
    static const std::array<QString, 4> AvailabilityText;

    // Working fields.
    std::vector<int8_t> GradeListMap;                // GradeCount entries
    int16_t CurrentAnnex = 0;

    int FamilyCount() const { return static_cast<int>(FamilyName.size()); }
    int SectionCount() const { return static_cast<int>(SectionName.size()); }
    int LossStepCount() const { return static_cast<int>(LossStep.size()); }
    int GradeCount() const { return static_cast<int>(GradeName.size()); }
    int AnnexCount() const { return static_cast<int>(Annexes.size()); }
    int ServiceLifeCount() const { return static_cast<int>(ServiceLife.size()); }
    int ProtectionCount() const { return static_cast<int>(ProtectionYears.size()); }

    // Sets the constants' derived imperial limits, MaxWallLengthFt,
    // GradeListMap (all 0) and CurrentAnnex (0), as loading does.
    void deriveLoadedValues();
};

} // namespace pc
