#include "FakeToolkit.h"
#include "RecordingSound.h"
#include "ScriptedRandom.h"
#include "app/FileLayer.h"
#include "app/Tavola.h"
#include "numtext/NumText.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// The label a start-up gives a file must be the text of its first bytes.
void expectStartShown(const QString &shown, const QByteArray &file)
{
    const bool goesOn = file.size() > FileLayer::readBound;
    if (shown != FileLayer::textOfStart(file.first(std::min<qsizetype>(file.size(), FileLayer::readBound)), goesOn))
        std::abort();
    if (shown.toUtf8().size() > 3 * FileLayer::readBound)
        std::abort();
}

} // namespace

// The first byte splits the rest between the score file and the name file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static FakeToolkit toolkit;
    static ScriptedRandom random;
    static RecordingSound sound;
    static Tavola tavola(toolkit, random, sound, [] { return folder.path(); });
    if (size == 0)
        return 0;

    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const qsizetype split = rest.size() * data[0] / 256;
    const QByteArray score = rest.first(split);
    const QByteArray name = rest.sliced(split);
    write(folder.filePath(QStringLiteral("quarzel.txt")), score);
    write(folder.filePath(QStringLiteral("nquarzel.txt")), name);

    toolkit.calls.clear();
    toolkit.messages.clear();
    tavola.Form_Load();
    const QString shownScore = toolkit.GetLabelText(Control::lblpunti);
    expectStartShown(shownScore, score);
    expectStartShown(toolkit.GetLabelText(Control::lblnome), name);
    // What the end of a game counts as the stored record.
    [[maybe_unused]] volatile double record = numtext::LeadingNumber(shownScore);
    // A cut anywhere in the bytes, as a longer file would have it.
    [[maybe_unused]] const QString cut = FileLayer::textOfStart(rest, true);
    return 0;
}
