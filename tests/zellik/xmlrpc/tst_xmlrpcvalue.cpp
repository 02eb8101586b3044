#include "xmlrpc/request.h"
#include "xmlrpc/response.h"
#include "xmlrpc/variant.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTest>

using xmlrpc::Request;
using xmlrpc::Response;
using xmlrpc::Variant;

namespace {

QVariant parseValue(const QString& valueXml)
{
    QDomDocument document;
    if (!document.setContent(valueXml))
        return QStringLiteral("<unparsable test input>");
    return Variant(document.documentElement());
}

QString writeValue(const Variant& value)
{
    QDomDocument document;
    document.appendChild(value.toValueElement(document));
    return QString::fromUtf8(document.toByteArray(-1));
}

QByteArray responseWith(const QByteArray& inner)
{
    return "<methodResponse>" + inner + "</methodResponse>";
}

QByteArray nested(int levels, const QByteArray& leaf = "<int>1</int>")
{
    return QByteArray("<value><array><data>").repeated(levels) + "<value>" + leaf + "</value>" +
           QByteArray("</data></array></value>").repeated(levels);
}

} // namespace

class TestXmlRpcValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bodiesAreWhatQtWouldWrite_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("markup characters") << QVariant(QStringLiteral("a<b & c>d ]]> e\"f' \r\n\tg ]> ]]]>"));
        QTest::newRow("non-ASCII") << QVariant(QStringLiteral("\u20ac \u65e5\u672c \U0001F0A1"));
        QTest::newRow("empty string") << QVariant(QString());
        QTest::newRow("numbers") << QVariant(QVariantList{1, -7, 2.5, 1e-9, true, false, 4000000000u});
        QTest::newRow("empty struct and array") << QVariant(QVariantList{QVariantMap(), QVariantList()});
        QTest::newRow("unsupported type leaves an empty value") << QVariant(QVariantList{qlonglong(5), 1});
        QTest::newRow("bytes and dates") << QVariant(
            QVariantList{QByteArray("\x00\x01\xff", 3), QDateTime(QDate(2011, 3, 15), QTime(14, 8, 55))});
        QTest::newRow("nested events") << QVariant(QVariantList{
            QVariantMap{{"event", "gameEvent"}, {"potGive", QVariantList{QVariantMap{{"position", 2}}}}},
            QVariantMap{{"names", QStringList{"a", "<b>"}},
                        {"deep", QVariantList{QVariantList{QVariantList{}}}}}});
        QVariant deep = QVariantMap{{"k", 1}};
        for (int i = 0; i < 50; ++i)
            deep = QVariantList{deep, QString()};
        QTest::newRow("indent past 256 spaces") << deep;
    }

    void requestWithoutParamsIsWhatQtWouldWrite()
    {
        QDomDocument request;
        QDomElement call = request.createElement("methodCall");
        QDomElement method = request.createElement("methodName");
        method.appendChild(request.createTextNode(QString()));
        call.appendChild(method);
        call.appendChild(request.createElement("params"));
        request.appendChild(call);
        QCOMPARE(xmlrpc::Request(QString(), {}).toXml(), request.toByteArray(2));
    }

    void bodiesAreWhatQtWouldWrite()
    {
        QFETCH(QVariant, value);
        if (QTest::currentDataTag() == QLatin1String("unsupported type leaves an empty value"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is not supported"));
        // The same documents, written by Qt's own serialiser.
        QDomDocument response;
        QDomElement root = response.createElement("methodResponse");
        QDomElement params = response.createElement("params");
        QDomElement param = response.createElement("param");
        param.appendChild(xmlrpc::Variant(value).toValueElement(response));
        params.appendChild(param);
        root.appendChild(params);
        response.appendChild(root);
        if (QTest::currentDataTag() == QLatin1String("unsupported type leaves an empty value"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is not supported"));
        QCOMPARE(xmlrpc::Response(xmlrpc::Variant(value)).toXml(), response.toByteArray(2));

        QDomDocument request;
        QDomElement call = request.createElement("methodCall");
        QDomElement method = request.createElement("methodName");
        method.appendChild(request.createTextNode("game<Action>"));
        call.appendChild(method);
        QDomElement callParams = request.createElement("params");
        for (int i = 0; i < 2; ++i) {
            QDomElement p = request.createElement("param");
            if (QTest::currentDataTag() == QLatin1String("unsupported type leaves an empty value"))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is not supported"));
            p.appendChild(xmlrpc::Variant(value).toValueElement(request));
            callParams.appendChild(p);
        }
        call.appendChild(callParams);
        request.appendChild(call);
        if (QTest::currentDataTag() == QLatin1String("unsupported type leaves an empty value")) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is not supported"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is not supported"));
        }
        QCOMPARE(xmlrpc::Request("game<Action>", {xmlrpc::Variant(value), xmlrpc::Variant(value)}).toXml(),
                 request.toByteArray(2));
    }

    void faultBodyIsWhatQtWouldWrite()
    {
        QDomDocument document;
        QDomElement root = document.createElement("methodResponse");
        QDomElement fault = document.createElement("fault");
        fault.appendChild(
            xmlrpc::Variant(QVariantMap{{"faultCode", 3}, {"faultString", "No <seat> & no chips"}})
                .toValueElement(document));
        root.appendChild(fault);
        document.appendChild(root);
        QCOMPARE(xmlrpc::Response(3, "No <seat> & no chips").toXml(), document.toByteArray(2));
    }
    void read_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("untyped text is a string") << "<value>plain</value>" << QVariant("plain");
        QTest::newRow("empty value is an empty string") << "<value/>" << QVariant(QString(""));
        QTest::newRow("int") << "<value><int>-42</int></value>" << QVariant(-42);
        QTest::newRow("i4") << "<value><i4>7</i4></value>" << QVariant(7);
        QTest::newRow("int not a number") << "<value><int>4x</int></value>" << QVariant(0);
        QTest::newRow("string") << "<value><string>a &amp; b</string></value>" << QVariant("a & b");
        QTest::newRow("non-ASCII string")
            << "<value><string>Åke 红隼</string></value>" << QVariant("Åke 红隼");
        QTest::newRow("double") << "<value><double>-2.5</double></value>" << QVariant(-2.5);
        QTest::newRow("double not a number") << "<value><double>abc</double></value>" << QVariant(0.0);
        QTest::newRow("base64") << "<value><base64>AAH/</base64></value>"
                                << QVariant(QByteArray("\x00\x01\xff", 3));
        QTest::newRow("base64 with line breaks")
            << "<value><base64>\nAAH/\n</base64></value>" << QVariant(QByteArray("\x00\x01\xff", 3));
        QTest::newRow("boolean 1") << "<value><boolean>1</boolean></value>" << QVariant(true);
        QTest::newRow("boolean 0") << "<value><boolean>0</boolean></value>" << QVariant(false);
        QTest::newRow("boolean true is false") << "<value><boolean>true</boolean></value>" << QVariant(false);
        QTest::newRow("dateTime") << "<value><dateTime.iso8601>20110315T14:08:55</dateTime.iso8601></value>"
                                  << QVariant(QDateTime(QDate(2011, 3, 15), QTime(14, 8, 55)));
        QTest::newRow("broken dateTime is an invalid date-time")
            << "<value><dateTime.iso8601>soon</dateTime.iso8601></value>" << QVariant(QDateTime());
        QTest::newRow("unknown type") << "<value><nil/></value>" << QVariant(0);
        QTest::newRow("not a value element") << "<param><int>5</int></param>" << QVariant(0);
        QTest::newRow("struct") << "<value><struct><member><name>b</name><value><int>2</int></value></member>"
                                   "<member><name>a</name><value>x</value></member></struct></value>"
                                << QVariant(QVariantMap{{"a", "x"}, {"b", 2}});
        QTest::newRow("struct drops members without name")
            << "<value><struct><member><value><int>1</int></value></member>"
               "<member><name>k</name><value><int>2</int></value></member></struct></value>"
            << QVariant(QVariantMap{{"k", 2}});
        QTest::newRow("struct drops members without value")
            << "<value><struct><member><name>a</name></member></struct></value>" << QVariant(QVariantMap());
        QTest::newRow("later member wins")
            << "<value><struct><member><name>k</name><value><int>1</int></value></member>"
               "<member><name>k</name><value><int>2</int></value></member></struct></value>"
            << QVariant(QVariantMap{{"k", 2}});
        QTest::newRow("later name in one member wins")
            << "<value><struct><member><name>a</name><name>b</name><value><int>3</int></value></member>"
               "</struct></value>"
            << QVariant(QVariantMap{{"b", 3}});
        QTest::newRow("empty name is kept")
            << "<value><struct><member><name></name><value><int>1</int></value></member></struct></value>"
            << QVariant(QVariantMap{{"", 1}});
        QTest::newRow("array")
            << "<value><array><data><value><int>1</int></value><value>two</value></data></array></value>"
            << QVariant(QVariantList{1, "two"});
        QTest::newRow("array skips other elements")
            << "<value><array><data><value><int>1</int></value><junk/><value><int>3</int></value>"
               "</data></array></value>"
            << QVariant(QVariantList{1, 3});
        QTest::newRow("empty array") << "<value><array><data/></array></value>" << QVariant(QVariantList());
        QTest::newRow("array without data") << "<value><array/></value>" << QVariant(QVariantList());
    }

    void read()
    {
        QFETCH(QString, xml);
        QFETCH(QVariant, expected);
        const QVariant value = parseValue(xml);
        QCOMPARE(value.metaType(), expected.metaType());
        QCOMPARE(value, expected);
    }

    void write_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("xml");

        QTest::newRow("true") << Variant(true) << "<value><boolean>1</boolean></value>";
        QTest::newRow("false") << Variant(false) << "<value><boolean>0</boolean></value>";
        QTest::newRow("int") << Variant(-3) << "<value><int>-3</int></value>";
        QTest::newRow("uint") << Variant(4000000000u) << "<value><int>4000000000</int></value>";
        QTest::newRow("double") << Variant(0.25) << "<value><double>0.25</double></value>";
        QTest::newRow("string") << Variant(QStringLiteral("a<b")) << "<value><string>a&lt;b</string></value>";
        QTest::newRow("char") << Variant(QChar('x')) << "<value><string>x</string></value>";
        QTest::newRow("bytes") << Variant(QByteArray("\x00\x01\xff", 3))
                               << "<value><base64>AAH/</base64></value>";
        QTest::newRow("dateTime") << Variant(QDateTime(QDate(2011, 3, 15), QTime(14, 8, 55)))
                                  << "<value><dateTime.iso8601>20110315T14:08:55</dateTime.iso8601></value>";
        QTest::newRow("string list") << Variant(QStringList{"a", "b"})
                                     << "<value><array><data><value><string>a</string></value>"
                                        "<value><string>b</string></value></data></array></value>";
        QTest::newRow("struct in key order")
            << Variant(QMap<QString, Variant>{{"z", 1}, {"a", QStringLiteral("x")}})
            << "<value><struct><member><name>a</name><value><string>x</string></value></member>"
               "<member><name>z</name><value><int>1</int></value></member></struct></value>";
        QTest::newRow("list of lists")
            << Variant(QList<Variant>{Variant(QList<Variant>{1})})
            << "<value><array><data><value><array><data><value><int>1</int></value>"
               "</data></array></value></data></array></value>";
        QTest::newRow("empty list") << Variant(QList<Variant>()) << "<value><array><data/></array></value>";
    }

    void write()
    {
        QFETCH(Variant, value);
        QFETCH(QString, xml);
        QCOMPARE(writeValue(value), xml);
    }

    void unsupportedTypesAreWrittenEmpty_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::newRow("long long") << Variant(QVariant(qint64(1) << 40));
        QTest::newRow("invalid") << Variant();
        QTest::newRow("date") << Variant(QVariant(QDate(2020, 1, 1)));
    }

    void unsupportedTypesAreWrittenEmpty()
    {
        QFETCH(Variant, value);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("type .* is not supported"));
        QCOMPARE(writeValue(value), QStringLiteral("<value/>"));
    }

    void roundTrip()
    {
        const QMap<QString, Variant> event{
            {"event", QStringLiteral("dealHole")},
            {"position", 3},
            {"amount", 12.75},
            {"cards", QByteArray("\x05\x20", 2)},
            {"when", QDateTime(QDate(2026, 12, 7), QTime(23, 59, 1))},
            {"players", Variant(QList<Variant>{QStringLiteral("Åsa"), true, Variant(QStringList{"x"})})},
        };
        const Request request(QStringLiteral("refresh"), {Variant(event), 5});
        Request parsed;
        QVERIFY(parsed.parse(request.toXml()));
        QVERIFY(!parsed.isNull());
        QCOMPARE(parsed.methodName(), QStringLiteral("refresh"));
        QCOMPARE(parsed.params().size(), 2);
        QVariantMap expected = Variant(event).toMap();
        // String lists come back as lists of strings.
        expected["players"] = QVariantList{"Åsa", true, QVariantList{"x"}};
        QCOMPARE(parsed.params().at(0).toMap(), expected);
        QCOMPARE(parsed.params().at(1), QVariant(5));

        Response response{Variant(event)};
        Response read;
        QVERIFY(read.parse(response.toXml()));
        QCOMPARE(read.value().toMap(), expected);
    }

    void requestDocument()
    {
        const QByteArray xml = Request(QStringLiteral("gameOpen"), {Variant(QStringLiteral("t1"))}).toXml();
        QCOMPARE(xml, QByteArray("<methodCall>\n"
                                 "  <methodName>gameOpen</methodName>\n"
                                 "  <params>\n"
                                 "    <param>\n"
                                 "      <value>\n"
                                 "        <string>t1</string>\n"
                                 "      </value>\n"
                                 "    </param>\n"
                                 "  </params>\n"
                                 "</methodCall>\n"));
        const QByteArray empty = Request(QStringLiteral("destroy"), {}).toXml();
        QVERIFY(empty.contains("<params/>"));
        QVERIFY(Request().isNull());
    }

    void parseRequest_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("params");

        QTest::newRow("no parameters")
            << QByteArray("<methodCall><methodName>m</methodName><params/></methodCall>") << true << "" << 0;
        QTest::newRow("two parameters")
            << QByteArray("<methodCall><methodName>m</methodName><params><param><value>a</value></param>"
                          "<param><value><int>1</int></value></param></params></methodCall>")
            << true << "" << 2;
        QTest::newRow("no method name")
            << QByteArray("<methodCall><methodName></methodName><params/></methodCall>") << false
            << "Method name is missing" << 0;
        QTest::newRow("no params") << QByteArray("<methodCall><methodName>m</methodName></methodCall>")
                                   << false << "Parameters are missing" << 0;
        QTest::newRow("not XML") << QByteArray("<methodCall>") << false << "line: 1" << 0;
        QTest::newRow("too deep") << QByteArray("<methodCall><methodName>m</methodName><params><param>" +
                                                nested(80) + "</param></params></methodCall>")
                                  << false << "Value nesting is too deep" << 0;
    }

    void parseRequest()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, ok);
        QFETCH(QString, error);
        QFETCH(int, params);
        Request request(QStringLiteral("old"), {1, 2, 3});
        QString message = QStringLiteral("untouched");
        QCOMPARE(request.parse(xml, &message), ok);
        QCOMPARE(request.isNull(), !ok);
        QCOMPARE(request.params().size(), params);
        if (ok)
            QCOMPARE(message, QStringLiteral("untouched"));
        else
            QVERIFY2(message.contains(error), qPrintable(message));
    }

    void parseResponse_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("fault");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text"); // fault string, or the error text

        QTest::newRow("value") << responseWith("<params><param><value><int>5</int></value></param></params>")
                               << true << false << QVariant(5) << 0 << "";
        QTest::newRow("empty params is zero")
            << responseWith("<params/>") << true << false << QVariant(0) << 0 << "";
        QTest::newRow("fault")
            << responseWith("<fault><value><struct><member><name>faultCode</name><value><int>4</int></value>"
                            "</member><member><name>faultString</name><value>Too many</value></member>"
                            "</struct></value></fault>")
            << true << true << QVariant() << 4 << "Too many";
        QTest::newRow("fault without string")
            << responseWith("<fault><value><struct><member><name>faultCode</name><value><int>4</int></value>"
                            "</member></struct></value></fault>")
            << false << true << QVariant() << 0 << "Fault struct doesn't contain fault code or string values";
        QTest::newRow("fault as string")
            << responseWith("<fault><value><string>oops</string></value></fault>") << false << true
            << QVariant() << 0 << "Expected struct for xmlrpc fault, received string";
        QTest::newRow("unexpected tag")
            << responseWith("<result/>") << false << false << QVariant() << 0 << "Unexpected tag: result";
        QTest::newRow("no methodResponse") << QByteArray("<methodCall/>") << false << false << QVariant() << 0
                                           << "Missing methodResponse tag";
        QTest::newRow("syntax error") << QByteArray("<methodResponse><params>") << false << false
                                      << QVariant() << 0 << "\nline: 1 column:";
        QTest::newRow("empty body") << QByteArray() << false << false << QVariant() << 0 << "line: ";
        QTest::newRow("deepest allowed") << responseWith("<params><param>" + nested(64) + "</param></params>")
                                         << true << false << QVariant() << 0 << "";
        QTest::newRow("one level too deep")
            << responseWith("<params><param>" + nested(65) + "</param></params>") << false << false
            << QVariant() << 0 << "Value nesting is too deep";
        QTest::newRow("very deep") << responseWith("<params><param>" + nested(100000) + "</param></params>")
                                   << false << false << QVariant() << 0 << "Value nesting is too deep";
        QTest::newRow("deep fault") << responseWith("<fault>" + nested(70) + "</fault>") << false << false
                                    << QVariant() << 0 << "Value nesting is too deep";
        QTest::newRow("doctype refused")
            << QByteArray("<!DOCTYPE methodResponse [<!ENTITY a \"aaaaaaaaaa\">]>" +
                          responseWith("<params><param><value>&a;</value></param></params>"))
            << false << false << QVariant() << 0 << "Document type declarations are not accepted";
        QTest::newRow("entity expansion bomb")
            << QByteArray("<!DOCTYPE m [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                          "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                          "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>" +
                          responseWith("<params><param><value>&e;&e;&e;&e;</value></param></params>"))
            << false << false << QVariant() << 0 << "";
    }

    void parseResponse()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, ok);
        QFETCH(bool, fault);
        QFETCH(QVariant, value);
        QFETCH(int, code);
        QFETCH(QString, text);

        Response response;
        QString error = QStringLiteral("untouched");
        QCOMPARE(response.parse(xml, &error), ok);
        QCOMPARE(response.isNull(), !ok);
        QCOMPARE(response.isFault(), fault);
        if (!ok) {
            QVERIFY2(error.contains(text), qPrintable(error));
            return;
        }
        QCOMPARE(error, QStringLiteral("untouched"));
        if (fault) {
            QCOMPARE(response.faultCode(), code);
            QCOMPARE(response.faultString(), text);
        } else if (value.isValid()) {
            QCOMPARE(static_cast<QVariant>(response.value()), value);
        }
    }

    void depthLimitIsAdjustable()
    {
        const QByteArray xml = responseWith("<params><param>" + nested(10) + "</param></params>");
        Variant::setMaximumDepth(5);
        QVERIFY(!Response().parse(xml));
        Variant::setMaximumDepth(Variant::DefaultMaximumDepth);
        QVERIFY(Response().parse(xml));
    }

    void responseDocuments()
    {
        Response fault(17, QStringLiteral("No seat"));
        QVERIFY(fault.isFault() && !fault.isNull());
        Response read;
        QVERIFY(read.parse(fault.toXml()));
        QVERIFY(read.isFault());
        QCOMPARE(read.faultCode(), 17);
        QCOMPARE(read.faultString(), QStringLiteral("No seat"));
        // Members in key order: faultCode before faultString.
        const QByteArray xml = fault.toXml();
        QVERIFY(xml.indexOf("faultCode") < xml.indexOf("faultString"));
        QVERIFY(Response().isNull());
    }
};

QTEST_GUILESS_MAIN(TestXmlRpcValue)
#include "tst_xmlrpcvalue.moc"
