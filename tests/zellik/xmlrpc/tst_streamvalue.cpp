// The one-pass reading of answers gives exactly what the DOM reading gives,
// and takes the answers a server sends; whatever it declines the DOM reads.
#include "xmlrpc/document.h"
#include "xmlrpc/response.h"
#include "xmlrpc/streamvalue.h"
#include "xmlrpc/variant.h"

#include <QDir>
#include <QTest>

namespace {

/// The value as the DOM reading finds it; false when it finds none.
bool domValue(const QByteArray& data, QVariant* value)
{
    QDomDocument document;
    QString error;
    if (!xmlrpc::Document::parse(data, &document, &error))
        return false;
    const QDomElement first =
        document.firstChildElement(QStringLiteral("methodResponse")).firstChildElement();
    if (first.tagName() != QLatin1String("params"))
        return false;
    bool tooDeep = false;
    *value = xmlrpc::Variant::fromValueElement(first.firstChild().firstChild().toElement(), &tooDeep);
    return !tooDeep && value->isValid();
}

/// Values compared as written, with their types: NaN equals NaN, 1 is not "1".
QByteArray written(const QVariant& value)
{
    return xmlrpc::Response(xmlrpc::Variant(value)).toXml() + value.metaType().name();
}

QByteArray answer(const QByteArray& value)
{
    return "<?xml version=\"1.0\"?>\n<methodResponse><params><param>" + value +
           "</param></params></methodResponse>\n";
}

QByteArray nested(int levels)
{
    QByteArray value = "<value><int>1</int></value>";
    for (int i = 0; i < levels; ++i)
        value = "<value><array><data>" + value + "</data></array></value>";
    return value;
}

} // namespace

class TestStreamValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsTheDom_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("taken"); // read in one pass, not declined
        QTest::addColumn<bool>("plain"); // and straight from the bytes

        QTest::newRow("events")
            << answer("<value><array><data><value><struct><member><name>event</name><value>"
                      "<string>gameEvent</string></value></member><member><name>position</name>"
                      "<value><int>3</int></value></member><member><name>amount</name><value>"
                      "<double>1.5</double></value></member><member><name>cards</name><value>"
                      "<base64>AQI=</base64></value></member></struct></value></data></array>"
                      "</value>")
            << true << true;
        QTest::newRow("as written, indented")
            << xmlrpc::Response(xmlrpc::Variant(QVariantMap{{"a", QVariantList{1, "x", true, 2.5}}})).toXml()
            << true << true;
        QTest::newRow("untyped text") << answer("<value>plain</value>") << true << true;
        QTest::newRow("empty value") << answer("<value></value>") << true << true;
        QTest::newRow("value of white space") << answer("<value>   </value>") << true << true;
        QTest::newRow("string of white space")
            << answer("<value><string>  </string></value>") << true << true;
        QTest::newRow("spaces inside a string")
            << answer("<value><string> a b </string></value>") << true << true;
        QTest::newRow("names in Chinese")
            << answer("<value><string>\xe7\xba\xa2\xe9\x9a\xbc</string></value>") << true << true;
        QTest::newRow("broken UTF-8") << answer("<value><string>\xe7\xba</string></value>") << false << false;
        QTest::newRow("Windows line ends")
            << answer("<value><string>a\r\nb</string></value>") << true << false;
        QTest::newRow("entities") << answer("<value><string>a &amp; b &lt;c&gt;</string></value>") << true
                                  << false;
        QTest::newRow("character references") << answer("<value>a&#32;b&#x41;</value>") << true << false;
        QTest::newRow("int with spaces") << answer("<value><i4> 5 </i4></value>") << true << true;
        QTest::newRow("boolean") << answer("<value><boolean>1</boolean></value>") << true << true;
        QTest::newRow("date") << answer(
                                     "<value><dateTime.iso8601>20261208T10:11:12</dateTime.iso8601></value>")
                              << true << true;
        QTest::newRow("unknown type") << answer("<value><money>5</money></value>") << true << true;
        QTest::newRow("more after the type")
            << answer("<value><int>1</int><int>2</int>tail</value>") << true << true;
        QTest::newRow("member without a name")
            << answer("<value><struct><member><value><int>1</int></value></member></struct></value>") << true
            << true;
        QTest::newRow("member with an empty name")
            << answer("<value><struct><member><name></name><value>x</value></member></struct></value>")
            << true << true;
        QTest::newRow("member without a value")
            << answer("<value><struct><member><name>a</name></member></struct>"
                      "</value>")
            << true << true;
        QTest::newRow("two names, two values")
            << answer("<value><struct><member><name>a</name><value>1</value><name>b</name><value>2</value>"
                      "</member></struct></value>")
            << true << true;
        QTest::newRow("any element is a member")
            << answer("<value><struct><thing><name>a</name><value>1</value></thing></struct></value>") << true
            << true;
        QTest::newRow("items under another name")
            << answer("<value><array><list><value>1</value><junk/><value>2"
                      "</value></list><data><value>3</value></data></array>"
                      "</value>")
            << true << true;
        QTest::newRow("empty array") << answer("<value><array/></value>") << true << true;
        QTest::newRow("as deep as allowed")
            << answer(nested(xmlrpc::Variant::maximumDepth() - 1)) << true << true;
        QTest::newRow("too deep") << answer(nested(xmlrpc::Variant::maximumDepth() + 1)) << false << false;
        QTest::newRow("comment") << answer("<value><!-- c --><int>1</int></value>") << false << false;
        QTest::newRow("CDATA") << answer("<value><string><![CDATA[ <x> ]]></string></value>") << false
                               << false;
        QTest::newRow("text beside an element") << answer("<value>a<int>1</int></value>") << false << false;
        QTest::newRow("text between members")
            << answer("<value><struct>x<member><name>a</name><value>1</value></member></struct></value>")
            << false << false;
        QTest::newRow("fault") << QByteArray(
                                      "<methodResponse><fault><value><struct><member><name>faultCode</name>"
                                      "<value><int>4</int></value></member><member><name>faultString</name>"
                                      "<value>no</value></member></struct></value></fault></methodResponse>")
                               << false << false;
        QTest::newRow("not well formed") << answer("<value><int>1</value>") << false << false;
        QTest::newRow("junk after the end") << answer("<value>1</value>") + "<x/>" << false << false;
    }

    void sameAsTheDom()
    {
        QFETCH(QByteArray, document);
        QFETCH(bool, taken);
        QFETCH(bool, plain);
        QVariant straight;
        const bool fromBytes = xmlrpc::StreamValue::readResponseValueFromBytes(document, &straight);
        QCOMPARE(fromBytes, plain);
        QVariant quick;
        const bool read = xmlrpc::StreamValue::readResponseValue(document, &quick);
        QCOMPARE(read, taken);
        QVariant dom;
        const bool domRead = domValue(document, &dom);
        if (read) {
            QVERIFY(domRead);
            QCOMPARE(written(quick), written(dom));
            QCOMPARE(quick.toString().isNull(), dom.toString().isNull());
        }
        if (fromBytes) {
            QCOMPARE(written(straight), written(dom));
            QCOMPARE(straight.toString().isNull(), dom.toString().isNull());
        }
        // Through the public door the answer is the same either way.
        xmlrpc::Response response;
        if (response.parse(document) && !response.isFault() && domRead)
            QCOMPARE(written(response.value()), written(dom));
    }

    void seedsReadTheSame()
    {
        const QDir corpus(QStringLiteral(CORPUS_DIR));
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray document = file.readAll();
            QVariant quick;
            QVariant straight;
            QVariant dom;
            const bool domRead = domValue(document, &dom);
            if (xmlrpc::StreamValue::readResponseValue(document, &quick)) {
                QVERIFY2(domRead, qPrintable(name));
                QCOMPARE(written(quick), written(dom));
            }
            if (xmlrpc::StreamValue::readResponseValueFromBytes(document, &straight)) {
                QVERIFY2(domRead, qPrintable(name));
                QCOMPARE(written(straight), written(dom));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestStreamValue)
#include "tst_streamvalue.moc"
