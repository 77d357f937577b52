#include "app/Tavola.h"

#include "clock/Countdown.h"
#include "game/AnswerRules.h"
#include "game/Problem.h"
#include "game/SoundCue.h"
#include "game/SoundPlayer.h"
#include "numtext/NumText.h"
#include "numtext/RandomSource.h"
#include "contracts/ToolkitServices.h"

#include <QLockFile>

using numtext::checkedAdd;
using numtext::FormatByPattern;

namespace {
const QString scoreFileName = QStringLiteral("quarzel.txt");
const QString nameFileName = QStringLiteral("nquarzel.txt");
} // namespace

Tavola::Tavola(ToolkitServices &toolkit, RandomSource &random, SoundPlayer &sound, RecordFolder recordFolder)
    : m_toolkit(toolkit), m_random(random), m_sound(sound), m_recordFolder(std::move(recordFolder))
{
}

void Tavola::Form_Load()
{
    rightCount = 0;
    wrongCount = 0;
    m_toolkit.EnableControl(Control::Timer1, false);
    playerName = m_toolkit.AskText(QStringLiteral("Come ti chiami?"));
    m_toolkit.ShowMessage(QStringLiteral(" ") + playerName + QStringLiteral(" vediamo se sei un vero campione  "));
    m_toolkit.SetLabelText(Control::lblnome1, playerName);
    StartClock();
    windowsDir = GetSystemDir();
    removeLeftovers();
    createRecordFiles();
    m_toolkit.SetLabelText(Control::lblpunti, Leggifiletxt(scoreFilePath()));
    m_toolkit.SetLabelText(Control::lblnome, Leggifiletxt(nameFilePath()));
    m_toolkit.SetLabelText(Control::lblconto, countdown::clockText(clockHours, clockMinutes, clockSeconds));
}

void Tavola::Form_Activate()
{
    cmdNext_Click();
}

void Tavola::Form_Resize()
{
    if (m_toolkit.WindowDisplayState() == DisplayState::Minimised)
        m_toolkit.SetWindowTitle(QStringLiteral("Giocare con la tavola pitagorica"));
}

void Tavola::cmdNext_Click()
{
    m_toolkit.SetBoxText(Control::txtAnswer, QString());
    m_toolkit.SetLabelText(Control::lblMessage, QString());
    m_random.Reseed();
    const double drawnFactor = static_cast<double>(m_random.NextRandom()) * 50 + 1;
    const int16_t draw = numtext::FloorToInt16(static_cast<double>(m_random.NextRandom()) * 60);

    const Problem problem = Problem::pose(draw, drawnFactor);
    caseDraw = problem.caseDraw;
    multiplier = problem.multiplier;
    operand = problem.operand;
    expectedAnswer = problem.expectedAnswer;
    m_toolkit.SetLabelText(Control::lblNum1, problem.multiplierText);
    m_toolkit.SetLabelText(Control::lblNum2, problem.operandText);

    m_toolkit.EnableControl(Control::cmdNext, false);
    m_toolkit.FocusControl(Control::txtAnswer);
}

void Tavola::txtAnswer_KeyPress(int16_t &keyAscii)
{
    switch (keyActionFor(keyAscii)) {
    case KeyAction::Pass:
        break;
    case KeyAction::Judge:
        judgeAnswer();
        break;
    case KeyAction::Discard:
        keyAscii = 0;
        break;
    }
}

void Tavola::judgeAnswer()
{
    answerText = m_toolkit.GetBoxText(Control::txtAnswer);
    if (isRightAnswer(answerText, expectedAnswer)) {
        rightCount = checkedAdd(rightCount, 1);
        m_toolkit.SetLabelText(Control::lblMessage, rightAnswerMessage(playerName));
        PlayWav(soundCuePath(m_toolkit.ProgramFolder(), SoundCue::Right));
    } else {
        wrongCount = checkedAdd(wrongCount, 1);
        m_toolkit.SetLabelText(Control::lblMessage, wrongAnswerMessage(expectedAnswer));
        PlayWav(soundCuePath(m_toolkit.ProgramFolder(), SoundCue::Wrong));
        m_toolkit.SetWindowBackground(Rgb{0, 0, 0});
        m_toolkit.SetLabelText(Control::lblScore1, FormatByPattern(wrongCount, QStringLiteral("###0")));
    }
    m_toolkit.SetLabelText(Control::lblScore, FormatByPattern(rightCount, QStringLiteral("####0")));
    m_toolkit.SetLabelText(Control::lblScore2, FormatByPattern(checkedAdd(rightCount, wrongCount), QStringLiteral("####0")));
    m_toolkit.EnableControl(Control::cmdNext, true);
    m_toolkit.FocusControl(Control::cmdNext);
}

void Tavola::Timer1_Timer()
{
    if (m_toolkit.GetLabelText(Control::lblconto) == countdown::timeUpText) {
        EndGame();
        return;
    }
    countdown::countDownOneSecond(clockHours, clockMinutes, clockSeconds);
    m_toolkit.SetLabelText(Control::lblconto, countdown::clockText(clockHours, clockMinutes, clockSeconds));
}

void Tavola::cmdExit_Click()
{
    saveRecordAndEnd();
}

void Tavola::EndGame()
{
    m_toolkit.ShowMessage(QStringLiteral("Ciao, alla prossima sfida. "));
    saveRecordAndEnd();
}

void Tavola::saveRecordAndEnd()
{
    const double storedRecord = numtext::LeadingNumber(m_toolkit.GetLabelText(Control::lblpunti));
    const double score = numtext::TextToNumber(m_toolkit.GetLabelText(Control::lblScore));
    if (storedRecord < score && saveIfStillBest(score))
        m_toolkit.ShowMessage(QStringLiteral("Ok! Ho registrato il tuo record, C A M P I O N E"));
    m_toolkit.TerminateProgram();
}

bool Tavola::saveIfStillBest(double score)
{
    // Another game may have stored a better record since this one started:
    // while this game holds the lock, no other one checks or saves.
    const std::unique_ptr<QLockFile> lock = m_files.lock(scoreFilePath());
    const QString storedNow = FileLayer::exists(scoreFilePath()) ? Leggifiletxt(scoreFilePath()) : QString();
    if (!(numtext::LeadingNumber(storedNow) < score))
        return false;
    writeRecordFile(scoreFilePath(), m_toolkit.GetLabelText(Control::lblScore));
    writeRecordFile(nameFilePath(), m_toolkit.GetLabelText(Control::lblnome1));
    return true;
}

void Tavola::writeRecordFile(const QString &path, const QString &line)
{
    fileNumber = m_files.freeFile();
    m_files.openForOutput(fileNumber, path);
    recordLine = line;
    m_files.writeLine(fileNumber, recordLine);
    m_files.close(fileNumber);
}

void Tavola::StartClock()
{
    m_toolkit.EnableControl(Control::Timer1, true);
    clockHours = 0;
    clockMinutes = 5;
    clockSeconds = 0;
}

void Tavola::PlayWav(const QString &path)
{
    m_sound.play(path);
}

QString Tavola::GetSystemDir()
{
    const QString folder = m_recordFolder();
    FileLayer::makeFolder(folder);
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void Tavola::createRecordFiles()
{
    fileNumber = m_files.freeFile();
    m_files.openForAppend(fileNumber, scoreFilePath());
    m_files.close(fileNumber);
    m_files.openForAppend(fileNumber, nameFilePath());
    m_files.close(fileNumber);
}

void Tavola::removeLeftovers()
{
    const QString record[] = {scoreFilePath(), nameFilePath()};
    if (!FileLayer::hasLeftovers(record[0]) && !FileLayer::hasLeftovers(record[1]))
        return;
    // Under the lock, a temporary file is no other game's save in progress.
    // A folder nobody can write to keeps them: the game does not need that.
    const std::unique_ptr<QLockFile> lock = FileLayer::tryLock(record[0]);
    if (!lock)
        return;
    for (const QString &path : record)
        FileLayer::removeLeftovers(path);
}

QString Tavola::Leggifiletxt(const QString &nomefile)
{
    const int16_t number = m_files.freeFile();
    m_files.openForInput(number, nomefile);
    const QString content = m_files.readStart(number);
    m_files.close(number);
    return content;
}

QString Tavola::scoreFilePath() const
{
    return windowsDir + scoreFileName;
}

QString Tavola::nameFilePath() const
{
    return windowsDir + nameFileName;
}
