#pragma once

#include "FakeToolkit.h"
#include "RecordingSound.h"
#include "ScriptedRandom.h"
#include "app/Tavola.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// A game on the recording fake, with its record files in a fresh folder.
struct GameFixture
{
    FakeToolkit toolkit;
    ScriptedRandom random;
    RecordingSound sound;
    QTemporaryDir folder;
    Tavola tavola{toolkit, random, sound, [this] { return folder.path(); }};

    QString scoreFile() const { return folder.filePath(QStringLiteral("quarzel.txt")); }
    QString nameFile() const { return folder.filePath(QStringLiteral("nquarzel.txt")); }

    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    // Starts a game as the named player and poses a problem from the two draws.
    void start(const QString &name = QStringLiteral("Anna"), float factorDraw = 0.0f, float kindDraw = 0.0f)
    {
        toolkit.nameToType = name;
        tavola.Form_Load();
        random.values = {factorDraw, kindDraw};
        tavola.Form_Activate();
    }

    // Types the answer into the box and presses Enter.
    void answer(const QString &text)
    {
        toolkit.typedAnswer = text;
        int16_t enter = 13;
        tavola.txtAnswer_KeyPress(enter);
    }
};
