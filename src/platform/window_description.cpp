#include "window_description.h"

#include <QFile>
#include <QRect>
#include <QXmlStreamReader>

#include "conversion/exception.h"
#include "platform/qt_system_text.h"

namespace dividir {

namespace {

[[noreturn]] void RaiseReadError(const QString& what) {
    const QString message = QStringLiteral("Error reading window description: ") + what;
    throw Exception(ToSystemText(message));
}

class DescriptionReader {
  public:
    explicit DescriptionReader(const QByteArray& text) : xml_(text) {}

    WindowDescription Read() {
        if (!xml_.readNextStartElement() || xml_.name() != u"ui") Fail(QStringLiteral("no <ui>"));
        WindowDescription description;
        bool hasWindow = false;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"class") {
                description.className = xml_.readElementText();
            } else if (xml_.name() == u"widget") {
                if (hasWindow) Fail(QStringLiteral("a second window"));
                ReadWindow(description);
                hasWindow = true;
            } else if (xml_.name() == u"tabstops") {
                description.tabOrder = ReadTabOrder();
            } else {
                xml_.skipCurrentElement();  // Designer's own bookkeeping
            }
        }
        if (xml_.hasError()) Fail(xml_.errorString());
        if (!hasWindow) Fail(QStringLiteral("no window"));
        return description;
    }

  private:
    [[noreturn]] void Fail(const QString& what) {
        RaiseReadError(QStringLiteral("%1 (line %2)").arg(what).arg(xml_.lineNumber()));
    }

    QString RequiredAttribute(QStringView name) {
        const QString value = xml_.attributes().value(name.toString()).toString();
        if (value.isEmpty()) Fail(QStringLiteral("<%1> without %2").arg(xml_.name(), name));
        return value;
    }

    void ReadWindow(WindowDescription& window) {
        window.name = RequiredAttribute(u"name");
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"property") {
                window.properties.push_back(ReadProperty());
            } else if (xml_.name() == u"widget") {
                window.controls.push_back(ReadControl());
            } else {
                Fail(QStringLiteral("unexpected <%1> in the window").arg(xml_.name()));
            }
        }
    }

    ControlDescription ReadControl() {
        ControlDescription control{RequiredAttribute(u"class"), RequiredAttribute(u"name"), {}};
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"property") {
                Fail(QStringLiteral("unexpected <%1> in %2").arg(xml_.name(), control.name));
            }
            control.properties.push_back(ReadProperty());
        }
        return control;
    }

    DescribedProperty ReadProperty() {
        DescribedProperty property{RequiredAttribute(u"name"), {}};
        if (!xml_.readNextStartElement())
            Fail(QStringLiteral("%1 without a value").arg(property.name));
        property.value = ReadValue();
        xml_.skipCurrentElement();  // closes <property>
        return property;
    }

    QVariant ReadValue() {
        const QString kind = xml_.name().toString();
        if (kind == u"string") return xml_.readElementText();
        if (kind == u"number") return ReadNumber();
        if (kind == u"rect") return ReadRect();
        if (kind == u"font") return ReadFontFamily();
        Fail(QStringLiteral("a value of the unknown kind <%1>").arg(kind));
    }

    int ReadNumber() {
        bool ok = false;
        const int value = xml_.readElementText().trimmed().toInt(&ok);
        if (!ok) Fail(QStringLiteral("a malformed number"));
        return value;
    }

    QRect ReadRect() {
        int x = 0, y = 0, width = 0, height = 0;
        while (xml_.readNextStartElement()) {
            const QString part = xml_.name().toString();
            const int value = ReadNumber();
            if (part == u"x")
                x = value;
            else if (part == u"y")
                y = value;
            else if (part == u"width")
                width = value;
            else if (part == u"height")
                height = value;
            else
                Fail(QStringLiteral("unknown rect part <%1>").arg(part));
        }
        return QRect(x, y, width, height);
    }

    // The font's family; its size and style are stored in the form's own
    // terms (FontHeight) and nothing else is stored for fonts.
    QString ReadFontFamily() {
        QString family;
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"family") Fail(QStringLiteral("a font with <%1>").arg(xml_.name()));
            family = xml_.readElementText();
        }
        return family;
    }

    QStringList ReadTabOrder() {
        QStringList order;
        while (xml_.readNextStartElement()) order.append(xml_.readElementText());
        return order;
    }

    QXmlStreamReader xml_;
};

}  // namespace

WindowDescription ReadWindowDescription(const QByteArray& designerFile) {
    return DescriptionReader(designerFile).Read();
}

WindowDescription LoadWindowDescription(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) RaiseReadError(QStringLiteral("cannot open ") + path);
    return ReadWindowDescription(file.readAll());
}

}  // namespace dividir
