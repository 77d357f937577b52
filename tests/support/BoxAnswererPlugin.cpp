#include "BoxAnswerer.h"

#include <QCoreApplication>
#include <QGenericPlugin>

#include <cstdio>

// The box answerer as a plugin that a Qt program loads as it starts, so that
// a test can play the shipped program itself. With QT_PLUGIN_PATH naming the
// folder above generic/ and QT_QPA_GENERIC_PLUGINS=tavola-boxes:NAME, NAME is
// typed into the name box (no NAME cancels it). It writes to standard output
// the program's own folder first, as "folder<TAB>path", then every box it
// answers as "box<TAB>title<TAB>shown|hidden<TAB>text", the third field
// saying whether the game's window was on screen, line breaks in the text
// written as "\n".
class BoxAnswererPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "BoxAnswererPlugin.json")

public:
    QObject *create(const QString &, const QString &name) override
    {
        std::printf("folder\t%s\n", qUtf8Printable(QCoreApplication::applicationDirPath()));
        auto *answerer = new BoxAnswerer(name);
        if (name.isEmpty())
            answerer->cancelName();
        answerer->answered = [](const BoxAnswerer::Box &box) {
            QString text = box.text;
            text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
            std::printf("box\t%s\t%s\t%s\n", qUtf8Printable(box.title), box.windowShown ? "shown" : "hidden",
                        qUtf8Printable(text));
            std::fflush(stdout);
        };
        return answerer;
    }
};

#include "BoxAnswererPlugin.moc"
