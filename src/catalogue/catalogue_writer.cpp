#include "catalogue/catalogue_writer.h"

#include "catalogue/name_codec.h"

#include <QtEndian>

#include <cstring>

namespace pc {

namespace {

// The text with '?' for every character the 8-bit code page lacks.
QString representable(const QString &text)
{
    const QByteArray bytes = encodeAnsi(text);
    return decodeAnsi(bytes.constData(), static_cast<int>(bytes.size()));
}

class Writer
{
public:
    QByteArray bytes;

    void int8(int v) { bytes.append(static_cast<char>(static_cast<int8_t>(v))); }
    void int16(int v)
    {
        char b[2];
        qToLittleEndian<int16_t>(static_cast<int16_t>(v), b);
        bytes.append(b, 2);
    }
    void uint16(uint16_t v)
    {
        char b[2];
        qToLittleEndian<uint16_t>(v, b);
        bytes.append(b, 2);
    }
    void float64(double v)
    {
        quint64 raw;
        std::memcpy(&raw, &v, sizeof raw);
        char b[8];
        qToLittleEndian<quint64>(raw, b);
        bytes.append(b, 8);
    }
    void zeros(qsizetype n) { bytes.append(n, '\0'); }
    void int16s(const std::vector<int16_t> &v)
    {
        for (int16_t x : v)
            int16(x);
    }
    template <typename Values> void float64s(const Values &v)
    {
        for (double x : v)
            float64(x);
    }
    template <typename Table> void table(const Table &rows)
    {
        for (const auto &row : rows)
            float64s(row);
    }
    // Name records, then the 17 x N filler bytes.
    void nameBlock(const std::vector<QString> &names, NameList list)
    {
        NameShiftKey key(list);
        for (const QString &name : names) {
            const int k = key.next();
            QByteArray stored;
            if (auto encoded = encodeShiftedName(name, k))
                stored = *encoded;
            else
                stored = encodeAnsi(name.left(MaxShortNameLength));
            int8(static_cast<int>(stored.size()));
            bytes.append(stored);
            zeros(MaxShortNameLength - stored.size());
        }
        zeros(17 * qsizetype(names.size()));
    }
    void wideText(const std::vector<uint16_t> &units)
    {
        int16(static_cast<int>(units.size()));
        for (uint16_t u : units)
            uint16(u);
    }
    void columns(const std::vector<QString> &names, const std::vector<std::vector<double>> &losses,
                 ColumnTable table)
    {
        int16(static_cast<int>(names.size()));
        for (const QString &name : names) {
            auto units = encodeColumnName(name, table);
            if (!units)
                units = encodeColumnName(representable(name), table);
            wideText(units.value_or(std::vector<uint16_t>{}));
        }
        this->table(losses);
    }
};

} // namespace

QByteArray writeCatalogue(const Catalogue &c)
{
    Writer w;
    const qsizetype sections = c.SectionCount();
    w.int16(c.FamilyCount());
    w.int16(c.SectionCount());
    w.nameBlock(c.FamilyName, NameList::Family);
    for (const auto &range : c.FamilyRange) {
        w.int16(range[0]);
        w.int16(range[1]);
    }
    w.int16(c.LossStepCount());
    w.int16s(c.LossStep);
    w.table(c.RedA);
    w.table(c.RedI);
    w.table(c.RedWel);
    w.zeros(8 * sections * c.LossStepCount()); // RedSpare
    w.nameBlock(c.SectionName, NameList::Section);
    w.zeros(2 * sections); // U-profile flags
    w.zeros(8 * sections); // SectionSpare1
    w.float64s(c.SectionWidth);
    w.float64s(c.SectionMass);
    w.float64s(c.SectionTf);
    w.float64s(c.SectionTw);
    w.zeros(4 * 8 * sections); // SectionFlangeB, SectionAngle, SectionSpare2, SectionSpare3
    w.float64s(c.SectionMaxLength);
    w.int8(c.GradeCount());
    w.nameBlock(c.GradeName, NameList::Grade);
    w.float64s(c.GradeFy);
    w.float64s(c.GradeFyKsi);
    for (const auto row : c.Availability)
        for (int8_t code : row)
            w.int8(code);
    w.int16(c.AnnexCount());
    for (const Annex &a : c.Annexes) {
        auto name = encodeAnnexName(a.AnnexName);
        if (!name)
            name = encodeAnnexName(representable(a.AnnexName));
        w.wideText(name.value_or(std::vector<uint16_t>{}));
        w.int16(a.AnnexYearCount());
        w.int16s(a.AnnexYear);
        w.columns(a.AtmosColName, a.AtmosLoss, ColumnTable::Atmos);
        w.columns(a.SoilColName, a.SoilLoss, ColumnTable::Soil);
        w.columns(a.WaterColName, a.WaterLoss, ColumnTable::Water);
    }
    w.int16(c.ServiceLifeCount());
    w.int16s(c.ServiceLife);
    w.int16(c.ProtectionCount());
    w.int16s(c.ProtectionYears);
    w.zeros(25 * 8 + 3 * 8); // TrailerMatrix and the three values after it
    w.float64(c.MaxWallLength);
    w.float64(c.MaxCorrosionRate);
    w.int16(1); // SpareListCount: one empty entry
    w.nameBlock({QString()}, NameList::Family);
    w.zeros(16); // SpareListValue
    return w.bytes;
}

} // namespace pc
