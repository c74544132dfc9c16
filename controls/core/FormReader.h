#pragma once
// The form-file reader. A form file describes a window: its components,
// their nesting, and their property values, set in the order of the file.
//
// Format (UTF-8 text; "//" starts a comment that runs to the end of the line):
//
//   object Form1: TForm1                  // the root: the form being loaded
//     Caption = 'Lumora'                  // one  Property = value  per line
//     ClientWidth = 640
//     OnCreate = FormCreate               // event: the name of a handler
//     object AppStyler1: TAppStyler       // a component, created by class name
//       Style = tsOffice2007Obsidian      // enumeration value by name
//     end
//     object Panel1: TStyledPanel
//       Left = -1000                      // integers may be negative
//       Anchors = [akLeft, akTop, akBottom]    // a set
//       Color = clBtnFace                 // colour by name ...
//       ColorTo = $00F9D2B2               // ... or by number, $ = hexadecimal
//       Caption.Text = 'Say ''hi'''#13#10'next line'   // nested property, string
//       Caption.Font.Height = -13
//       Styler = PanelStyler1             // a reference to another component
//       object GlowButton1: TGlowButton   // a child: placed on Panel1
//         Picture.Data = @images/close.bmp     // binary data from a resource
//         HotPicture.Data = { 89504E47 0D0A1A0A }  // binary data, hexadecimal
//       end
//     end
//     object Grid1: TStyledStringGrid
//       Items = ( 'Luna' 'Moonlight'
//                 'Obsidian' )            // a string list
//     end
//   end
//
// Values:
//   integer   123, -7, $1F (hexadecimal; up to 8 digits for 32-bit targets,
//             $FF000000 and above are system colours)
//   real      1.5, -0.25, 2e3
//   string    pieces glued together: 'text' (a quote inside is written ''),
//             #13 (a character by decimal code), #$263A (by hexadecimal code);
//             a "+" at the end of a line continues the string on the next
//   name      True/False for Boolean properties, an enumeration value, a
//             colour (clRed, clBtnFace, clNone, ...), a cursor (crHandPoint),
//             a component name for a reference (nil for none), or a handler
//             name for an event (a property of an event type, IsEventType
//             in controls/core/Events.h; a handler name is no value, nor is
//             any other value a handler)
//   set       [name, name, ...]; [] is the empty set
//   list      ( value value ... ), may span lines; strings for string lists
//   binary    { hexadecimal digits, blanks and line breaks allowed }
//   resource  @path: the bytes of the embedded resource ":/path"
//
// Reading: the text is parsed whole first, so a syntax error creates
// nothing. Then each object is created through the class registry
// (controls/core/ComponentRegistry.h) with the form as owner (objects nested in
// a TFrame are owned by that frame) and the enclosing object's widget as
// parent; it is told BeginLoading, gets its Name, and its properties are
// set in file order through their Q_PROPERTY setters. Once the whole file
// is read, references are resolved (in the referring component's owner,
// then in the form), events are bound to the form's handlers through their
// Q_PROPERTY like any other property (BindEvent: only a handler of exactly
// the event's meta type is taken), and Loaded() runs on the form and then on
// every new component in creation order. A name that no property has but
// that starts with "On" is taken for an event the class lacks, and reported
// as such once the handler is known.
//
// A malformed file gives a TFormError naming the line and what was expected,
// never a crash. A syntax error changes nothing; on any later error every
// component that the read created is freed again (values already written to
// the root itself stay), and the root is no longer loading.
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

class TComponent;

struct TFormError {
    int Line = 0;     // 1-based line of the text, 0 when no line applies
    QString Message;  // what was wrong or expected
    // "Line 12: expected '=' after 'Caption'"
    QString ToString() const;
};

// Finds an event handler by name: a QVariant of its event type (see
// GuardedHandler), or an invalid QVariant when there is none.
using THandlerLookup = std::function<QVariant(const QString& name)>;

// Reads the form file onto root (whose class must be the root object's
// class or derive from it). Returns the first error, or nothing on success.
std::optional<TFormError> ReadForm(TComponent& root, const QByteArray& text,
                                   const THandlerLookup& handlers = {});

// Parses the text only (nothing is created): the syntax errors that
// ReadForm would report.
std::optional<TFormError> CheckFormSyntax(const QByteArray& text);
