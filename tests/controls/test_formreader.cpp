// The form-file reader: values of every kind, file order, nesting,
// references, events, end-of-load order, and malformed input.
#include "controls/style/AppStyler.h"
#include "controls/core/ComponentRegistry.h"
#include "controls/core/Control.h"
#include "controls/core/Form.h"
#include "controls/core/FormReader.h"
#include "controls/style/FormStyler.h"
#include "controls/core/Frame.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/StyledStringGrid.h"
#include "controls/panel/StyledPanel.h"

#include <QMetaProperty>
#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

// What the sample components saw, in order ("Name.Property" or "Name:Loaded").
static QStringList& Log()
{
    static QStringList log;
    return log;
}

class TSampleInner : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE SetValue)
public:
    using QObject::QObject;
    int Value() const { return m_value; }
    void SetValue(int v) { m_value = v; }

private:
    int m_value = 0;
};

class TSampleSub : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Label READ Label WRITE SetLabel)
    Q_PROPERTY(TSampleInner* Inner READ Inner)
public:
    explicit TSampleSub(QObject* parent)
        : QObject(parent)
        , m_inner(new TSampleInner(this))
    {
    }
    QString Label() const { return m_label; }
    void SetLabel(const QString& v) { m_label = v; }
    TSampleInner* Inner() const { return m_inner; }

private:
    QString m_label;
    TSampleInner* m_inner;
};

class TSample : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_PROPERTY(bool Flag READ Flag WRITE SetFlag)
    Q_PROPERTY(double Ratio READ Ratio WRITE SetRatio)
    Q_PROPERTY(TColor Shade READ Shade WRITE SetShade)
    Q_PROPERTY(quint8 Opacity READ Opacity WRITE SetOpacity)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(QByteArray Data READ Data WRITE SetData)
    Q_PROPERTY(TKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(TOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(TSample* Buddy READ Buddy WRITE SetBuddy)
    Q_PROPERTY(TAppStyler* Styler READ Styler WRITE SetStyler)
    Q_PROPERTY(TSampleSub* Sub READ Sub)
    Q_PROPERTY(QString Version READ Version)
    Q_PROPERTY(int Explode READ Explode WRITE SetExplode)
    Q_PROPERTY(TNotifyEvent OnPing MEMBER OnPing)
    Q_PROPERTY(bool OnTop READ OnTop WRITE SetOnTop)
public:
    enum TKind { kdOne, kdTwo, kdThree };
    Q_ENUM(TKind)
    enum TOption { opA = 1, opB = 2, opC = 4 };
    Q_DECLARE_FLAGS(TOptions, TOption)
    Q_FLAG(TOptions)

    explicit TSample(TComponent* owner = nullptr, QWidget* parent = nullptr)
        : TCustomControl(owner, parent)
        , m_sub(new TSampleSub(this))
    {
    }

    QString Text() const { return m_text; }
    void SetText(const QString& v) { Note("Text"); m_text = v; }
    int Count() const { return m_count; }
    void SetCount(int v) { Note("Count"); m_count = v; }
    bool Flag() const { return m_flag; }
    void SetFlag(bool v) { Note("Flag"); m_flag = v; }
    double Ratio() const { return m_ratio; }
    void SetRatio(double v) { m_ratio = v; }
    TColor Shade() const { return m_shade; }
    void SetShade(TColor v) { m_shade = v; }
    quint8 Opacity() const { return m_opacity; }
    void SetOpacity(quint8 v) { m_opacity = v; }
    QStringList Items() const { return m_items; }
    void SetItems(const QStringList& v) { m_items = v; }
    QByteArray Data() const { return m_data; }
    void SetData(const QByteArray& v) { m_data = v; }
    TKind Kind() const { return m_kind; }
    void SetKind(TKind v) { m_kind = v; }
    TOptions Options() const { return m_options; }
    void SetOptions(TOptions v) { m_options = v; }
    TSample* Buddy() const { return m_buddy; }
    void SetBuddy(TSample* v) { Note("Buddy"); m_buddy = v; }
    TAppStyler* Styler() const { return m_styler; }
    void SetStyler(TAppStyler* v) { m_styler = v; }
    TSampleSub* Sub() const { return m_sub; }
    QString Version() const { return QStringLiteral("1.0"); }
    bool OnTop() const { return m_onTop; }
    void SetOnTop(bool v) { m_onTop = v; }
    int Explode() const { return 0; }
    void SetExplode(int v)
    {
        if (v == 13)
            throw std::runtime_error("unlucky number");
    }

    bool loadingWhenTextWasSet = false;
    TNotifyEvent OnPing;

    void Loaded() override
    {
        TCustomControl::Loaded();
        Log() << Name() + QStringLiteral(":Loaded");
    }

private:
    void Note(const char* property)
    {
        Log() << Name() + u'.' + QLatin1String(property);
        if (QLatin1String(property) == QLatin1String("Text"))
            loadingWhenTextWasSet = IsLoading();
    }

    QString m_text;
    int m_count = 0;
    bool m_flag = false;
    double m_ratio = 0;
    TColor m_shade = clNone;
    quint8 m_opacity = 255;
    QStringList m_items;
    QByteArray m_data;
    TKind m_kind = kdOne;
    TOptions m_options;
    TSample* m_buddy = nullptr;
    TAppStyler* m_styler = nullptr;
    TSampleSub* m_sub;
    bool m_onTop = false;
};

namespace {

class SampleForm : public TForm {
public:
    SampleForm()
    {
        RegisterComponentClass<TSample>(u"TSample");
        RegisterHandler(QStringLiteral("SamplePing"), &SampleForm::SamplePing);
        RegisterHandler(QStringLiteral("FormCreate"), &SampleForm::FormCreate);
        RegisterHandler(QStringLiteral("MouseDownHandler"), &SampleForm::MouseDownHandler);
        Log().clear();
    }
    void SamplePing(QObject* sender) { pings << sender; }
    void FormCreate(QObject*) { ++creates; }
    void MouseDownHandler(QObject*, TMouseButton, TShiftState, int, int) {}
    void Loaded() override
    {
        TForm::Loaded();
        Log() << Name() + QStringLiteral(":Loaded");
    }

    QList<QObject*> pings;
    int creates = 0;
};

template <class T>
T* Find(TComponent& owner, const char* name)
{
    return dynamic_cast<T*>(owner.FindComponent(QLatin1String(name)));
}

const char* const kGoodForm = R"(// a sample window
object SampleForm1: TForm
  Caption = 'Sample'
  ClientWidth = 320
  ClientHeight = 200
  OnCreate = FormCreate
  object AppStyler1: TAppStyler
    Style = tsOffice2007Obsidian
  end
  object First: TSample
    Left = -1000
    Top = 8
    Width = 100
    Height = 20
    Anchors = [akLeft, akTop, akRight]
    Text = 'It''s'#13#10'two lines ' +
      'and a smile '#$263A
    Count = -42
    Flag = True
    OnTop = True          // a value, though its name starts with On
    Ratio = 2.5
    Shade = clBtnFace
    Opacity = 200
    Items = ( 'Luna' 'Moonlight'
              'Obsidian' )
    Data = { 0001FE
             ff }
    Kind = kdThree
    Options = [opA, opC]
    Buddy = Second        // resolved after the whole file is read
    Styler = AppStyler1
    Sub.Label = 'nested'
    Sub.Inner.Value = 7
    Font.Height = -13
    Font.Style = [fsBold]
    Cursor = crHandPoint
    OnPing = SamplePing
    OnMouseDown = MouseDownHandler
    object Second: TSample
      Text = 'inside'
      Shade = $00F9D2B2
      Buddy = nil
    end
  end
  object Third: TSample
    Text = 'last'
    Shade = $FF00000F
  end
end
)";

} // namespace

TEST(FormReader, ReadsEveryKindOfValue)
{
    SampleForm form;
    const auto error = form.LoadFromForm(kGoodForm);
    ASSERT_FALSE(error) << error->ToString().toStdString();

    EXPECT_EQ(form.Name(), QStringLiteral("SampleForm1"));
    EXPECT_EQ(form.Caption(), QStringLiteral("Sample"));
    EXPECT_EQ(form.Width(), 320);
    auto* first = Find<TSample>(form, "First");
    auto* second = Find<TSample>(form, "Second");
    auto* third = Find<TSample>(form, "Third");
    auto* app = Find<TAppStyler>(form, "AppStyler1");
    ASSERT_TRUE(first && second && third && app);

    EXPECT_EQ(first->BoundsRect(), QRect(-1000, 8, 100, 20));
    EXPECT_EQ(first->Anchors(), akLeft | akTop | akRight);
    EXPECT_EQ(first->Text(), QStringLiteral("It's\r\ntwo lines and a smile \u263A"));
    EXPECT_EQ(first->Count(), -42);
    EXPECT_TRUE(first->Flag());
    EXPECT_TRUE(first->OnTop());
    EXPECT_DOUBLE_EQ(first->Ratio(), 2.5);
    EXPECT_EQ(first->Shade(), clBtnFace);
    EXPECT_EQ(first->Opacity(), 200);
    EXPECT_EQ(first->Items(), QStringList({"Luna", "Moonlight", "Obsidian"}));
    EXPECT_EQ(first->Data(), QByteArray("\x00\x01\xFE\xFF", 4));
    EXPECT_EQ(first->Kind(), TSample::kdThree);
    EXPECT_EQ(first->Options(), TSample::opA | TSample::opC);
    EXPECT_EQ(first->Buddy(), second);
    EXPECT_EQ(first->Styler(), app);
    EXPECT_EQ(first->Sub()->Label(), QStringLiteral("nested"));
    EXPECT_EQ(first->Sub()->Inner()->Value(), 7);
    EXPECT_EQ(first->Font()->Height(), -13);
    EXPECT_EQ(first->Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(first->Cursor(), int(TControl::crHandPoint));
    EXPECT_EQ(app->Style(), tsOffice2007Obsidian);
    EXPECT_EQ(second->Shade(), 0xF9D2B2);
    EXPECT_EQ(second->Buddy(), nullptr);
    EXPECT_EQ(third->Shade(), clBtnFace); // $FF00000F is the system colour 15
}

TEST(FormReader, CreatesInFileOrderWithTheFormAsOwnerAndTheEnclosingObjectAsParent)
{
    SampleForm form;
    ASSERT_FALSE(form.LoadFromForm(kGoodForm));
    QStringList names;
    for (TComponent* c : form.Components())
        names << c->Name();
    EXPECT_EQ(names, QStringList({"AppStyler1", "First", "Second", "Third"}));
    auto* first = Find<TSample>(form, "First");
    auto* second = Find<TSample>(form, "Second");
    EXPECT_EQ(second->Owner(), &form);
    EXPECT_EQ(second->parentWidget(), first);
    EXPECT_EQ(first->parentWidget(), &form);
}

TEST(FormReader, SetsPropertiesInFileOrderWhileLoadingAndRunsLoadedAfterEverything)
{
    SampleForm form;
    ASSERT_FALSE(form.LoadFromForm(kGoodForm));
    // Second.Text is set while First is still being read, First.Buddy only
    // once every object exists; Loaded runs last, the form first.
    const QStringList expected{
        "First.Text",  "First.Count",  "First.Flag",   "Second.Text",  "Second.Buddy",
        "Third.Text",  "First.Buddy",  "SampleForm1:Loaded", "First:Loaded", "Second:Loaded",
        "Third:Loaded",
    };
    EXPECT_EQ(Log(), expected);
    auto* first = Find<TSample>(form, "First");
    EXPECT_TRUE(first->loadingWhenTextWasSet);
    EXPECT_FALSE(first->IsLoading());
    EXPECT_FALSE(form.IsLoading());
}

TEST(FormReader, BindsEventsToTheFormsGuardedHandlersAndRaisesOnCreate)
{
    SampleForm form;
    ASSERT_FALSE(form.LoadFromForm(kGoodForm));
    EXPECT_EQ(form.creates, 1);
    auto* first = Find<TSample>(form, "First");
    ASSERT_TRUE(first->OnPing);
    first->OnPing(first);
    EXPECT_EQ(form.pings, QList<QObject*>{first});
    EXPECT_TRUE(first->OnMouseDown);
    EXPECT_FALSE(Find<TSample>(form, "Second")->OnPing);
}

// A new handler of the event type `type`, or an invalid QVariant for a type
// that is not one of the controls' event types.
template <class... Events>
QVariant NewHandlerOf(QMetaType type)
{
    QVariant handler;
    ((QMetaType::fromType<Events>() == type ? void(handler = QVariant::fromValue(Events([](auto&&...) {}))) : void()), ...);
    return handler;
}

QVariant NewHandler(QMetaType type)
{
    return NewHandlerOf<TNotifyEvent, TMouseEvent, TMouseMoveEvent, TKeyEvent, TKeyPressEvent, TAnchorClick,
                        TApplyStyleEvent, TGridAccessibleTextEvent, TGridColorEvent, TPaintEvent,
                        TCustomGlowButton::TGlowButtonDrawEvent>(type);
}

TEST(FormReader, EveryRegisteredClassBindsEachOfItsEventsAndRefusesAHandlerOfAnotherType)
{
    const QVariant notify = NewHandler(QMetaType::fromType<TNotifyEvent>());
    const QVariant mouse = NewHandler(QMetaType::fromType<TMouseEvent>());
    int events = 0;
    for (const QString& className : RegisteredComponentClasses()) {
        // The events the class publishes, each with a handler of its own.
        TForm probe;
        TComponent* sample = CreateComponent(className, &probe, &probe);
        ASSERT_NE(sample, nullptr) << className.toStdString();
        const QMetaObject* mo = sample->AsQObject()->metaObject();
        TForm form;
        QByteArray text = "object F: TForm\n  object C: " + className.toLatin1() + "\n";
        std::vector<std::pair<QMetaProperty, QVariant>> bound;
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            if (!IsEvent(p))
                continue;
            const QVariant handler = NewHandler(p.metaType());
            ASSERT_TRUE(handler.isValid()) << className.toStdString() << '.' << p.name() << " has an event type of its own: "
                                           << p.metaType().name();
            form.RegisterHandler(QStringLiteral("C%1").arg(QLatin1String(p.name())), handler);
            text += QByteArray("    ") + p.name() + " = C" + p.name() + "\n";
            bound.emplace_back(p, handler);
        }
        if (dynamic_cast<TControl*>(sample)) {
            EXPECT_GE(bound.size(), 7u) << className.toStdString() << " publishes the click and mouse events";
        }
        text += "  end\nend\n";

        const auto error = form.LoadFromForm(text);
        ASSERT_FALSE(error) << className.toStdString() << ": " << error->ToString().toStdString();
        QObject* c = form.FindComponent(QStringLiteral("C"))->AsQObject();
        for (const auto& [p, handler] : bound) {
            EXPECT_EQ(p.read(c), handler) << className.toStdString() << '.' << p.name() << " holds its own handler";
            ++events;
        }

        // Each event, given a handler of another event type, is refused by
        // name, on its own line, and the read keeps nothing.
        for (const auto& [p, handler] : bound) {
            TForm wrongForm;
            wrongForm.RegisterHandler(QStringLiteral("Wrong"), p.metaType() == notify.metaType() ? mouse : notify);
            const QByteArray wrong = "object F: TForm\n  object C: " + className.toLatin1() + "\n    " + p.name() +
                                     " = Wrong\n  end\nend\n";
            const auto refused = wrongForm.LoadFromForm(wrong);
            ASSERT_TRUE(refused) << className.toStdString() << '.' << p.name();
            EXPECT_EQ(refused->ToString(), QStringLiteral("Line 3: %1 has no event '%2' that takes the handler 'Wrong'")
                                               .arg(QLatin1String(mo->className()), QLatin1String(p.name())));
            EXPECT_EQ(wrongForm.ComponentCount(), 0);
        }
    }
    EXPECT_GT(events, 50);
}

TEST(FormReader, FormStylerFollowsItsAppStylerAndStylesNothingAtLoadWhenEqual)
{
    SampleForm form;
    const char* text = R"(object F: TForm
  object AppStyler1: TAppStyler
    Style = tsOffice2007Obsidian
  end
  object FormStyler1: TFormStyler
    Style = tsOffice2007Obsidian
    AppStyle = AppStyler1
    AutoThemeAdapt = False
  end
end
)";
    ASSERT_FALSE(form.LoadFromForm(text));
    auto* app = Find<TAppStyler>(form, "AppStyler1");
    auto* styler = Find<TFormStyler>(form, "FormStyler1");
    EXPECT_EQ(styler->AppStyle(), app);
    EXPECT_EQ(app->FormStylers(), QList<TFormStyler*>{styler});
    app->SetStyle(tsWhidbey);
    EXPECT_EQ(styler->Style(), tsWhidbey);
}

TEST(FormReader, ObjectsInAFrameAreOwnedByTheFrame)
{
    SampleForm form;
    const char* text = R"(object F: TForm
  object Frame1: TFrame
    object InFrame: TSample
      Buddy = Outside
    end
  end
  object Outside: TSample
  end
end
)";
    const auto error = form.LoadFromForm(text);
    ASSERT_FALSE(error) << error->ToString().toStdString();
    auto* frame = Find<TFrame>(form, "Frame1");
    ASSERT_TRUE(frame);
    auto* inFrame = Find<TSample>(*frame, "InFrame");
    ASSERT_TRUE(inFrame);
    EXPECT_EQ(form.FindComponent(QStringLiteral("InFrame")), nullptr);
    EXPECT_EQ(inFrame->parentWidget(), frame);
    // A reference from inside the frame falls back to the form's components.
    EXPECT_EQ(inFrame->Buddy(), Find<TSample>(form, "Outside"));
}

TEST(FormReader, AcceptsOddButValidSpellings)
{
    SampleForm form;
    const char* text = "\r\n  OBJECT F: TForm\r\n"
                       "object A: TSample // comment after the header\r\n"
                       "Flag=false\r\n"
                       "Kind = KDTWO\r\n"
                       "Options = []\r\n"
                       "Text = #65#$42'C'\r\n"
                       "Count = $7FFFFFFF\r\n"
                       "Shade = -1\r\n"
                       "Ratio = 1e3\r\n"
                       "Items = ()\r\n"
                       "Data = {}\r\n"
                       "END\r\n"
                       "end";
    const auto error = form.LoadFromForm(text);
    ASSERT_FALSE(error) << error->ToString().toStdString();
    auto* a = Find<TSample>(form, "A");
    EXPECT_FALSE(a->Flag());
    EXPECT_EQ(a->Kind(), TSample::kdTwo);
    EXPECT_EQ(a->Options(), TSample::TOptions());
    EXPECT_EQ(a->Text(), QStringLiteral("ABC"));
    EXPECT_EQ(a->Count(), 0x7FFFFFFF);
    EXPECT_EQ(a->Shade(), -1);
    EXPECT_DOUBLE_EQ(a->Ratio(), 1000.0);
    EXPECT_TRUE(a->Items().isEmpty());
    EXPECT_TRUE(a->Data().isEmpty());
}

// ---------------------------------------------------------------- malformed

struct BadCase {
    const char* text;
    int line;
    const char* says;
};

class MalformedForm : public ::testing::TestWithParam<BadCase> {};

TEST_P(MalformedForm, NamesTheLineAndWhatWasExpectedAndKeepsNothing)
{
    const BadCase& c = GetParam();
    SampleForm form;
    const auto error = form.LoadFromForm(c.text);
    ASSERT_TRUE(error.has_value()) << c.text;
    EXPECT_EQ(error->Line, c.line) << error->ToString().toStdString();
    EXPECT_TRUE(error->Message.contains(QLatin1String(c.says)))
        << "message: " << error->Message.toStdString() << "\nexpected to contain: " << c.says;
    EXPECT_TRUE(error->ToString().startsWith(QStringLiteral("Line %1: ").arg(c.line)));
    EXPECT_EQ(form.ComponentCount(), 0) << "components of a failed read must be freed";
    EXPECT_FALSE(form.IsLoading());
    EXPECT_EQ(form.creates, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, MalformedForm,
    ::testing::Values(
        BadCase{"", 1, "expected 'object'"},
        BadCase{"  // only a comment\n", 2, "expected 'object'"},
        BadCase{"thing F: TForm\nend\n", 1, "expected 'object'"},
        BadCase{"object : TForm\nend\n", 1, "expected a component name"},
        BadCase{"object F TForm\nend\n", 1, "expected ':'"},
        BadCase{"object F:\nend\n", 1, "expected a class name"},
        BadCase{"object F: TForm\n  Caption = 'x'\n", 3, "expected 'end' for object F (opened on line 1)"},
        BadCase{"object F: TForm\n  Caption 'x'\nend\n", 2, "expected '=' after 'Caption'"},
        BadCase{"object F: TForm\n  Caption =\nend\n", 2, "expected a value"},
        BadCase{"object F: TForm\n  Caption = 'open\nend\n", 2, "unterminated string"},
        BadCase{"object F: TForm\n  Caption = 'a' +\n  5\nend\n", 3, "expected a string after '+'"},
        BadCase{"object F: TForm\n  Caption = #\nend\n", 2, "expected a character code"},
        BadCase{"object F: TForm\n  Caption = #$110000\nend\n", 2, "not a character code"},
        BadCase{"object F: TForm\n  Left = 10 20\nend\n", 2, "expected the end of the line after the value of 'Left'"},
        BadCase{"object F: TForm\n  Left = 12abc\nend\n", 2, "expected a number"},
        BadCase{"object F: TForm\n  Left = 99999999999999999999\nend\n", 2, "number too large"},
        BadCase{"object F: TForm\n  Left = $\nend\n", 2, "expected hexadecimal digits"},
        BadCase{"object F: TForm\n  Anchors = [akLeft akTop]\nend\n", 2, "expected ',' or ']'"},
        BadCase{"object F: TForm\n  Anchors = [akLeft, ]\nend\n", 2, "expected a name in the set"},
        BadCase{"object F: TForm\n  Anchors = [akLeft,\nend\n", 4, "expected ']' to close the set opened on line 2"},
        BadCase{"object F: TForm\n  object A: TSample\n    Items = ( 'a' = )\n  end\nend\n", 3, "expected a string, a number, a name or ')'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Items = ( 'a'\n  end\nend\n", 6, "expected ')' to close the list opened on line 3"},
        BadCase{"object F: TForm\n  object A: TSample\n    Data = { 0A1 }\n  end\nend\n", 3, "odd number"},
        BadCase{"object F: TForm\n  object A: TSample\n    Data = { 0G }\n  end\nend\n", 3, "expected hexadecimal digits or '}'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Data = { 00\n", 4, "expected '}'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Data = @\n  end\nend\n", 3, "expected a resource path"},
        BadCase{"object F: TForm\n  Sub. = 1\nend\n", 2, "expected a property name after 'Sub.'"},
        BadCase{"object F: TForm\nend\nobject G: TForm\nend\n", 3, "expected the end of the file"},
        BadCase{"object F: TForm\n  = 5\nend\n", 2, "expected a property name, 'object' or 'end'"}));

INSTANTIATE_TEST_SUITE_P(
    Meaning, MalformedForm,
    ::testing::Values(
        BadCase{"object F: TGlowingThing\nend\n", 1, "the form is a TForm, not a TGlowingThing"},
        BadCase{"object F: TForm\n  object A: TNope\n  end\nend\n", 2, "unknown class 'TNope' for A"},
        BadCase{"object F: TForm\n  object A: TSample\n  end\n  object a: TSample\n  end\nend\n", 4,
                "a component named 'a' already exists"},
        BadCase{"object F: TForm\n  object A: TSample\n    Nope = 1\n  end\nend\n", 3, "TSample has no property 'Nope'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Sub.Nope = 1\n  end\nend\n", 3, "TSampleSub has no property 'Nope'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Count.Value = 1\n  end\nend\n", 3, "has no properties of its own"},
        BadCase{"object F: TForm\n  object A: TSample\n    Version = '2'\n  end\nend\n", 3, "read-only"},
        BadCase{"object F: TForm\n  object A: TSample\n    Flag = 1\n  end\nend\n", 3, "expected True or False"},
        BadCase{"object F: TForm\n  object A: TSample\n    Text = Hello\n  end\nend\n", 3, "expected a string for 'Text'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Count = 'x'\n  end\nend\n", 3, "expected an integer"},
        BadCase{"object F: TForm\n  object A: TSample\n    Count = 2147483648\n  end\nend\n", 3, "out of range"},
        BadCase{"object F: TForm\n  object A: TSample\n    Count = $100000000\n  end\nend\n", 3, "out of range"},
        BadCase{"object F: TForm\n  object A: TSample\n    Opacity = 256\n  end\nend\n", 3, "out of range"},
        BadCase{"object F: TForm\n  object A: TSample\n    Opacity = -1\n  end\nend\n", 3, "out of range"},
        BadCase{"object F: TForm\n  object A: TSample\n    Shade = clPink\n  end\nend\n", 3, "unknown name 'clPink'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Kind = kdFour\n  end\nend\n", 3, "unknown value 'kdFour'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Kind = 1\n  end\nend\n", 3, "expected one of kdOne, kdTwo, kdThree"},
        BadCase{"object F: TForm\n  object A: TSample\n    Options = opA\n  end\nend\n", 3, "expected a set"},
        BadCase{"object F: TForm\n  object A: TSample\n    Options = [opA, opZ]\n  end\nend\n", 3, "unknown value 'opZ'"},
        BadCase{"object F: TForm\n  object A: TSample\n    Items = ( 'a' 5 )\n  end\nend\n", 3, "expected a string in the list"},
        BadCase{"object F: TForm\n  object A: TSample\n    Data = 'abc'\n  end\nend\n", 3, "expected binary data"},
        BadCase{"object F: TForm\n  object A: TSample\n    Data = @no/such/file.bmp\n  end\nend\n", 3, "does not exist"},
        BadCase{"object F: TForm\n  object A: TSample\n    Explode = 13\n  end\nend\n", 3, "setting 'Explode' failed: unlucky number"},
        BadCase{"object F: TForm\n  object A: TSample\n    Buddy = Nobody\n  end\nend\n", 3, "unknown component 'Nobody' for 'Buddy'"},
        BadCase{"object F: TForm\n  object S: TAppStyler\n  end\n  object A: TSample\n    Buddy = S\n  end\nend\n", 5,
                "'S' is a TAppStyler, but 'Buddy' needs a TSample"},
        BadCase{"object F: TForm\n  object A: TSample\n    Buddy = 'A'\n  end\nend\n", 3, "expected a component name"},
        BadCase{"object F: TForm\n  object A: TSample\n    OnPing = NoSuchHandler\n  end\nend\n", 3, "unknown event handler 'NoSuchHandler'"},
        BadCase{"object F: TForm\n  object A: TSample\n    OnPing = MouseDownHandler\n  end\nend\n", 3,
                "no event 'OnPing' that takes the handler 'MouseDownHandler'"},
        BadCase{"object F: TForm\n  object A: TSample\n    OnNothing = SamplePing\n  end\nend\n", 3, "no event 'OnNothing'"},
        // An event takes a handler's name and nothing else; a value (even
        // one named On...) takes no handler.
        BadCase{"object F: TForm\n  object A: TSample\n    OnPing = 'SamplePing'\n  end\nend\n", 3,
                "expected the name of an event handler for 'OnPing', found a string"},
        BadCase{"object F: TForm\n  object A: TSample\n    OnTop = SamplePing\n  end\nend\n", 3,
                "'SamplePing' is an event handler, but 'OnTop' of TSample is not an event"},
        BadCase{"object F: TForm\n  object A: TSample\n    Buddy = SamplePing\n  end\nend\n", 3,
                "'SamplePing' is an event handler, but 'Buddy' of TSample is not an event"}));

TEST(FormReader, NestingTooDeepIsAnErrorNotAStackOverflow)
{
    QByteArray text = "object F: TForm\n";
    for (int i = 0; i < 200; ++i)
        text += "object P" + QByteArray::number(i) + ": TFrame\n";
    SampleForm form;
    const auto error = form.LoadFromForm(text);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->Message.contains(QStringLiteral("nested too deeply")));
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(FormReader, CheckFormSyntaxCreatesNothing)
{
    EXPECT_FALSE(CheckFormSyntax(kGoodForm));
    const auto error = CheckFormSyntax("object F: TForm\n  Left = = 1\nend\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Line, 2);
}

TEST(FormReader, DamagedCopiesOfAGoodFileFailCleanlyOrLoad)
{
    // Every truncation and a spread of byte changes: each read either
    // succeeds or names a line inside the text, and leaves no component
    // behind when it fails.
    const QByteArray good(kGoodForm);
    const int lines = int(good.count('\n')) + 1;
    int failures = 0;
    auto check = [&](const QByteArray& text) {
        SampleForm form;
        const auto error = form.LoadFromForm(text);
        if (error) {
            ++failures;
            EXPECT_GE(error->Line, 1);
            EXPECT_LE(error->Line, lines + 1);
            EXPECT_FALSE(error->Message.isEmpty());
            EXPECT_EQ(form.ComponentCount(), 0);
        }
    };
    for (qsizetype cut = 0; cut < good.size(); cut += 7)
        check(good.left(cut));
    const char replacements[] = {'\0', '\'', '=', '[', '(', '{', '#', '$', '\n', 'x', '\xC3'};
    for (qsizetype at = 0; at < good.size(); at += 5) {
        QByteArray damaged = good;
        damaged[at] = replacements[at % sizeof(replacements)];
        check(damaged);
    }
    EXPECT_GT(failures, 100); // the damage is noticed, not silently accepted
}

#include "test_formreader.moc"
