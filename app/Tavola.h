#pragma once

#include "app/FileLayer.h"

#include <QString>
#include <cstdint>
#include <functional>

class RandomSource;
class SoundPlayer;
class ToolkitServices;

// The game's one window: it holds the whole state of one game of one player
// and answers the window's events.
class Tavola
{
public:
    // The folder where the record files lie, without a trailing separator.
    using RecordFolder = std::function<QString()>;

    Tavola(ToolkitServices &toolkit, RandomSource &random, SoundPlayer &sound, RecordFolder recordFolder);

    // Event handlers.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void cmdNext_Click();
    void cmdExit_Click();
    void txtAnswer_KeyPress(int16_t &keyAscii);
    void Timer1_Timer();

    // The record folder, with one separator at its end.
    QString GetSystemDir();
    // The content of a file up to FileLayer::readBound bytes, line endings
    // included: all of any real record.
    QString Leggifiletxt(const QString &nomefile);

    // The game state, for those who watch the game.
    int16_t RightCount() const { return rightCount; }
    int16_t WrongCount() const { return wrongCount; }
    int16_t Multiplier() const { return multiplier; }
    double Operand() const { return operand; }
    int16_t CaseDraw() const { return caseDraw; }
    double ExpectedAnswer() const { return expectedAnswer; }
    QString PlayerName() const { return playerName; }
    QString WindowsDir() const { return windowsDir; }
    int16_t ClockHours() const { return clockHours; }
    int16_t ClockMinutes() const { return clockMinutes; }
    float ClockSeconds() const { return clockSeconds; }

private:
    void StartClock();
    void EndGame();
    void PlayWav(const QString &path);

    void createRecordFiles();
    void judgeAnswer();
    void saveRecordAndEnd();
    bool saveIfStillBest(double score);
    void removeLeftovers();
    void writeRecordFile(const QString &path, const QString &line);
    QString scoreFilePath() const;
    QString nameFilePath() const;

    ToolkitServices &m_toolkit;
    RandomSource &m_random;
    SoundPlayer &m_sound;
    RecordFolder m_recordFolder;
    FileLayer m_files;

    int16_t rightCount = 0;
    int16_t wrongCount = 0;
    int16_t multiplier = 0;
    double operand = 0;
    int16_t fileNumber = 0;
    QString recordLine;
    int16_t clockHours = 0;
    int16_t clockMinutes = 0;
    float clockSeconds = 0;
    QString windowsDir;
    QString playerName;
    QString answerText;
    double expectedAnswer = 0;
    int16_t caseDraw = 0;
};
