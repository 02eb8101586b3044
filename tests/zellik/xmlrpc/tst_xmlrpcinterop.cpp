// Documents must mean the same to us and to an independent implementation.
#include "xmlrpc/request.h"
#include "xmlrpc/response.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using xmlrpc::Request;
using xmlrpc::Response;
using xmlrpc::Variant;

namespace {

QJsonValue tagged(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return QJsonObject{{"boolean", value.toBool()}};
    case QMetaType::Int:
        return QJsonObject{{"int", value.toInt()}};
    case QMetaType::Double:
        return QJsonObject{{"double", value.toDouble()}};
    case QMetaType::QString:
        return QJsonObject{{"string", value.toString()}};
    case QMetaType::QByteArray:
        return QJsonObject{{"base64", QString::fromLatin1(value.toByteArray().toBase64())}};
    case QMetaType::QDateTime:
        return QJsonObject{{"dateTime", value.toDateTime().toString("yyyyMMddThh:mm:ss")}};
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        QJsonArray array;
        for (const QVariant& item : value.toList())
            array.append(tagged(item));
        return QJsonObject{{"array", array}};
    }
    case QMetaType::QVariantMap: {
        QJsonObject members;
        const QVariantMap map = value.toMap();
        for (auto it = map.constBegin(); it != map.constEnd(); ++it)
            members.insert(it.key(), tagged(it.value()));
        return QJsonObject{{"struct", members}};
    }
    default:
        return QJsonObject{{"unexpected", QString::fromLatin1(value.metaType().name())}};
    }
}

QJsonObject decodedCall(const QString& method, const QList<Variant>& params)
{
    QJsonArray array;
    for (const Variant& p : params)
        array.append(tagged(p));
    return QJsonObject{{"method", method}, {"params", array}};
}

QVariantMap sampleEvent()
{
    return QVariantMap{
        {"event", "dealHole"},
        {"position", 3},
        {"amount", 12.75},
        {"tiny", 1e-7},
        {"huge", 1.5e300},
        {"negative", -7},
        {"name", QStringLiteral("Åsa 红隼 <&>")},
        {"cards", QByteArray("\x05\x20\xff\x00", 4)},
        {"when", QDateTime(QDate(2011, 3, 15), QTime(14, 8, 55))},
        {"active", true},
        {"folded", false},
        {"seats", QVariantList{QVariantList{1, 2}, QVariantList{QVariantMap{{"k", "v"}}}, QVariantList()}},
        {"empty", QVariantMap()},
    };
}

} // namespace

class TestXmlRpcInterop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_python = QStandardPaths::findExecutable("python3");
        if (m_python.isEmpty())
            QSKIP("python3 is not installed");
    }

    void pythonDocumentsDecode()
    {
        const QJsonObject documents = runPython({"dumps"}, QByteArray()).object();
        QCOMPARE(documents.size(), 4);
        const QVariantMap event = sampleEvent();

        Request call;
        QString error;
        QVERIFY2(call.parse(documents.value("call").toString().toUtf8(), &error), qPrintable(error));
        QCOMPARE(call.methodName(), QStringLiteral("gameAction"));
        QCOMPARE(call.params().size(), 2);
        QCOMPARE(call.params().at(0).toMap(), event);
        QCOMPARE(call.params().at(1).toList(), (QVariantList{1, "two", 3.5}));

        Request bare;
        QVERIFY(bare.parse(documents.value("call_without_params").toString().toUtf8(), &error));
        QCOMPARE(bare.methodName(), QStringLiteral("destroy"));
        QVERIFY(bare.params().isEmpty());

        Response response;
        QVERIFY2(response.parse(documents.value("response").toString().toUtf8(), &error), qPrintable(error));
        QCOMPARE(response.value().toList(), (QVariantList{event, event, event}));

        Response fault;
        QVERIFY(fault.parse(documents.value("fault").toString().toUtf8(), &error));
        QVERIFY(fault.isFault());
        QCOMPARE(fault.faultCode(), 42);
        QCOMPARE(fault.faultString(), QStringLiteral("Not allowed: <é>"));
    }

    void ourDocumentsDecodeInPython()
    {
        const QList<Variant> params{Variant(sampleEvent()), Variant(QStringList{"a", "b"}), Variant(-1.25)};
        const QVariantList list{sampleEvent(), QStringLiteral("ünïcödé"), 0};

        QJsonObject documents;
        documents.insert("call", QString::fromUtf8(Request("gameAction", params).toXml()));
        documents.insert("empty_call", QString::fromUtf8(Request("destroy", {}).toXml()));
        documents.insert("response", QString::fromUtf8(Response(Variant(list)).toXml()));
        documents.insert("fault", QString::fromUtf8(Response(-32600, QStringLiteral("Bad <xml> ☹")).toXml()));

        const QJsonObject decoded = runPython({"loads"}, QJsonDocument(documents).toJson()).object();

        QCOMPARE(decoded.value("call").toObject(), decodedCall("gameAction", params));
        QCOMPARE(decoded.value("empty_call").toObject(), decodedCall("destroy", {}));
        QCOMPARE(decoded.value("response").toObject(),
                 (QJsonObject{{"method", QJsonValue::Null}, {"params", QJsonArray{tagged(list)}}}));
        QCOMPARE(decoded.value("fault").toObject(),
                 (QJsonObject{{"fault", QJsonArray{-32600, QStringLiteral("Bad <xml> ☹")}}}));
    }

private:
    QJsonDocument runPython(const QStringList& args, const QByteArray& input)
    {
        QProcess python;
        python.start(m_python, QStringList{QStringLiteral(INTEROP_SCRIPT)} + args);
        if (!python.waitForStarted())
            return QJsonDocument();
        python.write(input);
        python.closeWriteChannel();
        if (!python.waitForFinished(60000))
            return QJsonDocument();
        const QByteArray errors = python.readAllStandardError();
        if (!errors.isEmpty())
            qWarning("python: %s", errors.constData());
        return QJsonDocument::fromJson(python.readAllStandardOutput());
    }

    QString m_python;
};

QTEST_GUILESS_MAIN(TestXmlRpcInterop)
#include "tst_xmlrpcinterop.moc"
