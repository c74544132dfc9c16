#include "support_window.h"

#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/GridBase.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "game/WordGame.h"
#include "platform/Resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

TWindowHarness::TWindowHarness()
    : m_useDialogs(dialogs)
    , m_useSound(sound)
    , m_useShell(shell)
    , m_useChrome(chrome)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
}

TWindowHarness::~TWindowHarness()
{
    Stop();
}

QString TWindowHarness::Folder() const
{
    return m_dir.path() + u'/';
}

void TWindowHarness::WriteFile(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(PathOf(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the test file");
}

std::optional<QByteArray> TWindowHarness::ReadFile(const QString& fileName) const
{
    QFile file(PathOf(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool TWindowHarness::FileExists(const QString& fileName) const
{
    return QFileInfo::exists(PathOf(fileName));
}

TForm1& TWindowHarness::Start(const QString& programName)
{
    Stop();
    m_program = std::make_unique<TFixedProgramFile>(PathOf(programName));
    m_useProgram = std::make_unique<platform::ScopedService<IProgramFile>>(*m_program);
    m_form = std::make_unique<TForm1>();
    m_form->show();
    if (!QTest::qWaitForWindowExposed(m_form.get()))
        ADD_FAILURE() << "the window was not exposed";
    // A test that pressed a button without releasing it leaves it held for
    // QTest and Qt alike, and with a button held the pointer never rests:
    // every window starts with the buttons up.
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (QTestPrivate::qtestMouseButtons.testFlag(button))
            QTest::mouseRelease(m_form->windowHandle(), button, Qt::NoModifier, QPoint(0, 0));
    return *m_form;
}

void TWindowHarness::Stop()
{
    m_form.reset();
    m_useProgram.reset();
    m_program.reset();
}

void TWindowHarness::Click(const char* name) const
{
    Click(Get<QWidget>(name));
}

void TWindowHarness::Click(QWidget& widget)
{
    const QPoint centre = widget.rect().center();
    QTest::mouseMove(&widget, centre);
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, centre);
}

int TWindowHarness::SelectorIndex() const
{
    return Get<QWidget>("VisualStyleSelector").property("ItemIndex").toInt();
}

QString TWindowHarness::SelectorText() const
{
    return Get<QWidget>("VisualStyleSelector").property("Text").toString();
}

void TWindowHarness::ChooseTheme(int itemIndex) const
{
    QWidget& selector = Get<QWidget>("VisualStyleSelector");
    selector.setProperty("ItemIndex", itemIndex);
    m_form->VisualStyleSelectorSelect(&selector);
}

QString TWindowHarness::CurrentWord() const
{
    return Get<TSmoothLabel>("CurrentWordLabel").Caption()->Text();
}

std::string TWindowHarness::DownButtons() const
{
    std::string digits;
    for (int n = 1; n <= 9; ++n)
        if (Get<TCustomGlowButton>(("CrossButton" + std::to_string(n)).c_str()).Down())
            digits += char('0' + n);
    return digits;
}

std::string TWindowHarness::PressedButtons() const
{
    std::string digits = m_form->Game()->PressedButtons();
    std::sort(digits.begin(), digits.end());
    return digits;
}

QByteArray ShippedResource(const char* name)
{
    const std::optional<QByteArray> bytes = platform::Resources().Find(QString::fromLatin1(name));
    if (!bytes)
        throw std::runtime_error(std::string("no resource ") + name);
    return *bytes;
}

TCustomGlowButton& Letter(const TWindowHarness& h, int number)
{
    const std::string name = "CrossButton" + std::to_string(number);
    return h.Get<TCustomGlowButton>(name.c_str());
}

QStringList Column(const TCustomGrid& grid)
{
    QStringList rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows << grid.Cells(0, r);
    return rows;
}

void TypeWord(const TWindowHarness& h, const QString& word)
{
    for (const QChar letter : word) {
        bool clicked = false;
        for (int n = 1; n <= 9 && !clicked; ++n) {
            TCustomGlowButton& button = Letter(h, n);
            if (button.Caption() == QString(letter) && !button.Down()) {
                TWindowHarness::Click(button);
                clicked = true;
            }
        }
        ASSERT_TRUE(clicked) << "no free button for " << QString(letter).toStdString() << " of "
                             << word.toStdString();
    }
}
