// A window description: the data a form is built from, kept as a Qt Designer
// file beside the form's class. It holds the window's own properties and one
// record for each control in creation order, each with its properties in
// the order they are stored, and the tab order.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace dividir {

// A stored value: a QRect (geometry), a QString (text, names, a font's
// family) or an int (numbers).
struct DescribedProperty {
    QString name;
    QVariant value;
};

struct ControlDescription {
    QString className;
    QString name;
    std::vector<DescribedProperty> properties;
};

struct WindowDescription {
    QString className;
    QString name;
    std::vector<DescribedProperty> properties;
    std::vector<ControlDescription> controls;
    QStringList tabOrder;
};

// Reads a description from the text of a Designer file. Raises Exception
// when the text is not a description this layer can build: malformed XML,
// a layout, a control inside a control, or a value of an unknown kind.
WindowDescription ReadWindowDescription(const QByteArray& designerFile);

// Reads the description stored at `path` (a resource path such as
// ":/Unit.ui"); raises Exception when it cannot be read.
WindowDescription LoadWindowDescription(const QString& path);

}  // namespace dividir
