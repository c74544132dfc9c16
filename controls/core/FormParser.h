#pragma once
// The form file's parse tree and its parser: the text is read whole into a
// tree of objects and property values before anything is created, so a
// syntax error creates nothing. The loader (FormLoader.cpp) turns the tree
// into components. The grammar is described in controls/core/FormReader.h.
#include "controls/core/FormReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace formfile {

// A read that cannot go on: thrown by the parser and the loader, caught by
// ReadForm and CheckFormSyntax.
struct Failure {
    TFormError error;
};

[[noreturn]] void Fail(int line, const QString& message);

struct Value {
    enum class Kind { Ident, String, Integer, Real, Set, List, Binary, Resource };
    Kind kind = Kind::Ident;
    int line = 0;
    QString text;              // Ident, String, Resource
    bool negative = false;     // Integer
    bool hex = false;          // Integer
    quint64 magnitude = 0;     // Integer
    double real = 0;           // Real
    QStringList names;         // Set
    std::vector<Value> items;  // List
    QByteArray bytes;          // Binary
};

struct Property {
    QStringList path;
    Value value;
    int line = 0;
};

struct Object {
    QString name;
    QString className;
    int line = 0;
    int endLine = 0;
    std::vector<Property> properties;
    std::vector<Object> children;
    // File order of properties and children: (true, i) is children[i].
    std::vector<std::pair<bool, size_t>> order;
};

// "a name", "a string", ...: a value's kind as error messages name it.
QString Describe(Value::Kind kind);

// The root object of the text; a syntax error throws a Failure.
Object ParseFormText(const QByteArray& text);

} // namespace formfile
