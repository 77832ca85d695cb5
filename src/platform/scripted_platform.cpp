#include "platform/scripted_platform.h"

#include "output/whole_file.h"
#include "units/rounding.h"

#include <QDir>
#include <QFileInfo>

#include <nlohmann/json.hpp>

#include <utility>

namespace pc {

namespace {

constexpr uint64_t RandomSeed = 20130930;

int roundedPixels(long double v)
{
    return static_cast<int>(roundEven(v));
}

} // namespace

ScriptedPlatform::ScriptedPlatform()
    : cwd_(QDir::currentPath()), now_(QDate(2013, 9, 30), QTime(12, 0)), random_(RandomSeed)
{}

QStringList ScriptedPlatform::messageTexts() const
{
    QStringList out;
    for (const ShownMessage &m : messages_)
        out << m.text;
    return out;
}

MessageButton ScriptedPlatform::message(MessageKind kind, const QString &caption,
                                        const QString &text)
{
    MessageButton answer = kind == MessageKind::Plain ? MessageButton::Ok : MessageButton::No;
    if (!answers_.empty() && std::holds_alternative<MessageButton>(answers_.front())) {
        answer = std::get<MessageButton>(answers_.front());
        answers_.pop_front();
    }
    messages_.push_back({kind, caption, text, answer});
    return answer;
}

std::optional<QString> ScriptedPlatform::takeDialogAnswer()
{
    if (answers_.empty())
        return std::nullopt;
    if (const QString *path = std::get_if<QString>(&answers_.front())) {
        const QString chosen = QDir::cleanPath(QDir(cwd_).absoluteFilePath(*path));
        answers_.pop_front();
        return chosen;
    }
    if (std::get<MessageButton>(answers_.front()) == MessageButton::Cancel)
        answers_.pop_front();
    return std::nullopt;
}

std::optional<QString> ScriptedPlatform::openFile(const OpenFileRequest &req)
{
    openRequests_.push_back(req);
    return takeDialogAnswer();
}

std::optional<QString> ScriptedPlatform::saveFile(const SaveFileRequest &req)
{
    saveRequests_.push_back(req);
    return takeDialogAnswer();
}

int ScriptedPlatform::textWidthAt(const QString &text, const FontSpec &font, int ppi)
{
    const long double perChar = 7.0L * (font.bold ? 1.1L : 1.0L);
    return roundedPixels(perChar * text.size() * font.pointSize / 9.0L * ppi / 96.0L);
}

int ScriptedPlatform::textHeightAt(const FontSpec &font, int ppi)
{
    return roundedPixels(static_cast<long double>(ppi) * font.pointSize / 72.0L * 1.25L);
}

int ScriptedPlatform::textWidth(const QString &text, const FontSpec &font) const
{
    return textWidthAt(text, font, ppi_);
}

int ScriptedPlatform::textHeight(const QString &, const FontSpec &font) const
{
    return textHeightAt(font, ppi_);
}

bool ScriptedPlatform::fileExists(const QString &path) const
{
    return QFileInfo(QDir(cwd_).absoluteFilePath(path)).isFile();
}

int ScriptedPlatform::randomInt(int low, int high)
{
    if (high < low)
        std::swap(low, high);
    // A 64-bit linear congruential generator: the same sequence everywhere.
    random_ = random_ * 6364136223846793005ULL + 1442695040888963407ULL;
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(high) - low) + 1;
    return static_cast<int>(low + static_cast<int64_t>((random_ >> 33) % span));
}

bool ScriptedPlatform::choosePrinter()
{
    ++printDialogs_;
    if (answers_.empty() || !std::holds_alternative<MessageButton>(answers_.front()))
        return false;
    const MessageButton b = std::get<MessageButton>(answers_.front());
    answers_.pop_front();
    return b == MessageButton::Ok || b == MessageButton::Yes;
}

// A page that records what is drawn on it and hands the record to the
// platform when the document ends.
class ScriptedPageCanvas : public PageCanvas
{
public:
    ScriptedPageCanvas(ScriptedPlatform &p, const QString &title) : p_(p), dpi_(p.printerDpi_)
    {
        doc_["title"] = title.toStdString();
        doc_["dpi"] = dpi_;
        doc_["width"] = pageWidth();
        doc_["height"] = pageHeight();
        doc_["lines"] = nlohmann::ordered_json::array();
        doc_["texts"] = nlohmann::ordered_json::array();
    }

    // A4, 210 x 297 mm.
    int dotsPerInch() const override { return dpi_; }
    int pageWidth() const override { return roundedPixels(210.0L / 25.4L * dpi_); }
    int pageHeight() const override { return roundedPixels(297.0L / 25.4L * dpi_); }
    int textWidth(const QString &text, const FontSpec &font) const override
    {
        return ScriptedPlatform::textWidthAt(text, font, dpi_);
    }
    int textHeight(const QString &, const FontSpec &font) const override
    {
        return ScriptedPlatform::textHeightAt(font, dpi_);
    }
    void drawLine(int x1, int y1, int x2, int y2, int penWidth) override
    {
        doc_["lines"].push_back({x1, y1, x2, y2, penWidth});
    }
    void drawText(int x, int y, const QString &text, const FontSpec &font) override
    {
        doc_["texts"].push_back({{"x", x},
                                 {"y", y},
                                 {"text", text.toStdString()},
                                 {"font", font.family.toStdString()},
                                 {"size", font.pointSize},
                                 {"bold", font.bold}});
    }
    bool end() override
    {
        p_.printed_ = QString::fromStdString(
            doc_.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
        return true;
    }

private:
    ScriptedPlatform &p_;
    int dpi_;
    nlohmann::ordered_json doc_;
};

std::unique_ptr<PageCanvas> ScriptedPlatform::beginPrintJob(const QString &title)
{
    return std::make_unique<ScriptedPageCanvas>(*this, title);
}

QString ScriptedPlatform::shortDateText(const QDate &date) const
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString ScriptedPlatform::longTimeText(const QTime &time) const
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

namespace {

// Width and height from the IHDR chunk that every PNG file starts with:
// the 8-byte signature, the chunk length and type, then two big-endian
// 32-bit numbers.
std::pair<quint32, quint32> pngSize(const QByteArray &png)
{
    static const QByteArray Signature("\x89PNG\r\n\x1a\n", 8);
    if (png.size() < 24 || !png.startsWith(Signature) || png.mid(12, 4) != "IHDR")
        return {0, 0};
    auto bigEndian = [&png](int at) {
        quint32 v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | static_cast<quint8>(png[at + i]);
        return v;
    };
    return {bigEndian(16), bigEndian(20)};
}

} // namespace

void ScriptedPlatform::setClipboardBitmap(const QByteArray &png)
{
    const auto [width, height] = pngSize(png);
    const nlohmann::ordered_json d = {{"kind", "bitmap"}, {"width", width}, {"height", height}};
    clipboard_ = QString::fromStdString(d.dump());
}

void ScriptedPlatform::setClipboardPicture(const QString &path)
{
    const nlohmann::ordered_json d = {{"kind", "vector"}, {"path", path.toStdString()}};
    clipboard_ =
        QString::fromStdString(d.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

std::optional<WindowPicture> ScriptedPlatform::pictureOfPage(int, int width, int height)
{
    WindowPicture picture;
    picture.width = width;
    picture.height = height;
    picture.svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%2\"/>\n")
                      .arg(width)
                      .arg(height)
                      .toUtf8();
    return picture;
}

void ScriptedPlatform::setClipboardImage(const WindowPicture &picture)
{
    const nlohmann::ordered_json d = {
        {"kind", "bitmap"}, {"width", picture.width}, {"height", picture.height}};
    clipboard_ = QString::fromStdString(d.dump());
}

// ---- The corrosion chart's outputs ----

namespace {

QString shadowNote(const ChartPicture &chart)
{
    return chart.markerShadow ? QStringLiteral(" (marker shadow on)") : QString();
}

} // namespace

void ScriptedPlatform::previewChartPrint(const ChartPicture &chart)
{
    chartOutputs_ << QStringLiteral("print preview") + shadowNote(chart);
}

std::optional<QString> ScriptedPlatform::saveChartPicture(const ChartPicture &chart,
                                                          const QString &path)
{
    const QString target = QDir(cwd_).absoluteFilePath(path);
    if (auto failure = writeWholeFile(target, chartSvg(chart).toUtf8()))
        return failure;
    chartOutputs_ << QStringLiteral("picture ") + QFileInfo(target).fileName() + shadowNote(chart);
    return std::nullopt;
}

void ScriptedPlatform::copyChartToClipboard(const ChartPicture &chart)
{
    chartOutputs_ << QStringLiteral("clipboard") + shadowNote(chart);
    clipboard_ = QStringLiteral("{\"kind\":\"chart\",\"width\":%1,\"height\":%2,\"points\":%3}")
                     .arg(chart.width)
                     .arg(chart.height)
                     .arg(chart.points.size());
}

std::optional<QString> ScriptedPlatform::saveLifeChart(const LifeChartPicture &chart,
                                                       const QString &path, PictureFormat)
{
    const QString target = QDir(cwd_).absoluteFilePath(path);
    if (auto failure = writeWholeFile(target, lifeChartSvg(chart).toUtf8()))
        return failure;
    chartOutputs_ << QStringLiteral("life picture ") + QFileInfo(target).fileName();
    return std::nullopt;
}

void ScriptedPlatform::copyLifeCurve(const LifeChartPicture &chart, const QString &seriesText)
{
    chartOutputs_ << QStringLiteral("life clipboard");
    QString text = seriesText;
    text.replace(QLatin1String("\\"), QLatin1String("\\\\"))
        .replace(QLatin1String("\""), QLatin1String("\\\""))
        .replace(QLatin1String("\n"), QLatin1String("\\n"));
    clipboard_ = QStringLiteral("{\"kind\":\"life curve\",\"years\":%1,\"text\":\"%2\"}")
                     .arg(chart.years.size())
                     .arg(text);
}

} // namespace pc
