#include "driver/design_batch.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace pc::driver {

std::vector<BatchCase> readBatchCases(const QString &csv)
{
    std::vector<int> lines;
    QString error;
    // A spreadsheet may put a byte order mark before the header.
    const QString text = csv.startsWith(QChar(0xFEFF)) ? csv.mid(1) : csv;
    const std::vector<QStringList> records = parseCsv(text, lines, error);
    if (!error.isEmpty())
        throw DesignFault{DesignOptionError, error};
    if (records.empty())
        throw DesignFault{DesignOptionError, QStringLiteral("the batch file has no header row")};
    QStringList header;
    for (QString name : records.front()) {
        name = name.trimmed();
        if (name.startsWith(QLatin1String("--")))
            name = name.mid(2);
        if (!designOptionNames().contains(name))
            throw DesignFault{DesignOptionError,
                              QStringLiteral("line %1: column \"%2\" is not an option of check; "
                                             "the columns are %3")
                                  .arg(lines.front())
                                  .arg(name, designOptionNames().join(QStringLiteral(", ")))};
        if (header.contains(name))
            throw DesignFault{
                DesignOptionError,
                QStringLiteral("line %1: column \"%2\" twice").arg(lines.front()).arg(name)};
        header << name;
    }
    std::vector<BatchCase> cases;
    for (size_t r = 1; r < records.size(); ++r) {
        BatchCase c;
        c.line = lines[r];
        const QStringList &cells = records[r];
        if (cells.size() != header.size()) {
            c.error = QStringLiteral("%1 cells where the header names %2")
                          .arg(cells.size())
                          .arg(header.size());
        } else {
            for (int i = 0; i < header.size(); ++i)
                if (!cells[i].trimmed().isEmpty())
                    c.options[header[i]] = cells[i].trimmed();
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

BatchOutcome runBatchCase(const Catalogue &catalogue, const BatchCase &c)
{
    BatchOutcome out;
    if (!c.error.isEmpty()) {
        out.message = c.error;
        return out;
    }
    try {
        DesignSession session(catalogue);
        session.apply(c.options, DesignMode::Check);
        out.result = session.batchResult();
        out.ok = true;
    } catch (const DesignFault &f) {
        out.message = f.message;
    } catch (const std::exception &e) {
        // One case that cannot run (out of memory) must not end the others.
        out.message = QStringLiteral("the case stopped: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    return out;
}

std::vector<BatchOutcome> runBatch(const Catalogue &catalogue, const std::vector<BatchCase> &cases,
                                   int jobs, const std::function<void(size_t done)> &progress)
{
    std::vector<BatchOutcome> outcomes(cases.size());
    const size_t threads =
        std::max<size_t>(1, std::min<size_t>(static_cast<size_t>(std::max(jobs, 1)), cases.size()));
    std::atomic<size_t> next{0};
    std::atomic<size_t> done{0};
    std::mutex m;
    std::condition_variable finished;
    size_t running = threads;
    auto work = [&] {
        for (size_t i = next++; i < cases.size(); i = next++) {
            outcomes[i] = runBatchCase(catalogue, cases[i]);
            ++done;
        }
        const std::lock_guard<std::mutex> lock(m);
        if (--running == 0)
            finished.notify_all();
    };
    std::vector<std::thread> pool;
    pool.reserve(threads);
    for (size_t t = 0; t < threads; ++t)
        pool.emplace_back(work);
    {
        std::unique_lock<std::mutex> lock(m);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(200));
            if (progress && running > 0) {
                lock.unlock();
                progress(done.load());
                lock.lock();
            }
        }
    }
    for (std::thread &t : pool)
        t.join();
    if (progress)
        progress(done.load());
    return outcomes;
}

QByteArray batchCsv(const std::vector<BatchCase> &cases, const std::vector<BatchOutcome> &outcomes)
{
    QStringList header = {QStringLiteral("line"), QStringLiteral("status")};
    header << batchResultColumns();
    QString out = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (size_t i = 0; i < cases.size() && i < outcomes.size(); ++i) {
        const BatchOutcome &o = outcomes[i];
        QStringList fields = {QString::number(cases[i].line),
                              o.ok ? QStringLiteral("ok") : QStringLiteral("error")};
        if (o.ok) {
            for (const QString &v : o.result)
                fields << csvField(v);
        } else {
            for (int c = 1; c < batchResultColumns().size(); ++c)
                fields << QString();
            fields << csvField(o.message);
        }
        out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

} // namespace pc::driver
