#pragma once
// The design file: every input a user gives the main window, kept as a small
// JSON document so that a design can be opened again. This file knows the
// document's shape and nothing of the window: names stay names (the window
// looks them up in its catalogue) and numbers are the numbers the fields show,
// in the unit system the document names. docs/design-format.md describes
// every key.

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace pc {

// The version written into "format"; a document of any other version is not
// read.
constexpr int DesignFormatVersion = 1;

enum class DesignSearchMode { Section, Sfmin };
enum class DesignRateSource { Tables, Project };
enum class DesignProjectMode { Rates, TotalLoss };
// The exposures of a face as the window lists them.
enum class DesignExposure { Atmospheric = 0, Soil = 1, Water = 2 };

struct DesignFace
{
    DesignExposure exposure = DesignExposure::Atmospheric;
    std::optional<QString> detail; // nothing: the table lists no detail
    int protectionYears = 0;
    double projectValue = 0; // mm/year or mm (mils/year or mils)
    QString projectDescription;
    bool operator==(const DesignFace &o) const
    {
        return exposure == o.exposure && detail == o.detail &&
               protectionYears == o.protectionYears && projectValue == o.projectValue &&
               projectDescription == o.projectDescription;
    }
};

struct Design
{
    bool metric = true;
    std::optional<QString> family;  // nothing: all families
    std::optional<QString> section; // nothing: no section selected
    std::optional<QString> grade;
    bool showAllGrades = true;
    std::optional<QString> reduction; // the factor item picked; nothing: none applies

    double moment = 0;     // kNm/m or kip ft/ft
    double load = 0;       // kN/m or kip/ft
    double deflection = 0; // cm or in
    double wallLength = 0; // m or ft
    double pileLength = 0; // m or ft

    DesignSearchMode searchMode = DesignSearchMode::Section;
    double sfMin = 0;
    double sfMax = 0;

    DesignRateSource rates = DesignRateSource::Tables;
    std::optional<QString> annex;
    int serviceLife = 0; // years
    DesignProjectMode projectMode = DesignProjectMode::Rates;
    DesignFace front;
    DesignFace back;

    bool operator==(const Design &o) const
    {
        return metric == o.metric && family == o.family && section == o.section &&
               grade == o.grade && showAllGrades == o.showAllGrades && reduction == o.reduction &&
               moment == o.moment && load == o.load && deflection == o.deflection &&
               wallLength == o.wallLength && pileLength == o.pileLength &&
               searchMode == o.searchMode && sfMin == o.sfMin && sfMax == o.sfMax &&
               rates == o.rates && annex == o.annex && serviceLife == o.serviceLife &&
               projectMode == o.projectMode && front == o.front && back == o.back;
    }
    bool operator!=(const Design &o) const { return !(*this == o); }
};

// Why a document or a file is not a design the window can take: the key (a
// dotted path such as "corrosion.front.detail", or "file" for the file
// itself) and the reason, for one message.
struct DesignFileFault
{
    QString key;
    QString reason;
    QString text() const { return key + QStringLiteral(": ") + reason; }
};

// The document of a design, UTF-8 JSON with a line end at the end.
QByteArray designToJson(const Design &d);

// The design of a document; every key present with a value of its type,
// every number finite, no key that the format does not know.
std::variant<Design, DesignFileFault> designFromJson(const QByteArray &bytes);

// The bytes of the regular file at `path` (a folder, a FIFO, a device, a file
// that cannot be read or is larger than any design are refused, and reading
// never waits for a writer), read as a design.
std::variant<Design, DesignFileFault> readDesignFile(const QString &path);

// The texts the format writes for its named values.
QString exposureName(DesignExposure e);

} // namespace pc
