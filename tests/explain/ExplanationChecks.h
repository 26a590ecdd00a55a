#pragma once

// Checks that an explanation says what the computation did: every step's amount is what its formula
// gives of its inputs, every input names the amount of the step or the value of the declaration it
// comes from, every result field a step reproduces holds that amount in an independent computation,
// and every computed amount of the tax-base sheets and every payment line has its step.

#include "computation/SvodSum.h"
#include "explain/ExplanationText.h"
#include "explain/TaxExplanation.h"
#include "records/Declaration.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <cstring>
#include <optional>

namespace ExplanationChecks {

// Finds one field of a sheet by walking the sheet's fields as the dump does.
class ResultFinder {
public:
    explicit ResultFinder(const ResultRef& want) : want_(want) {}
    void Amount(const char* key, Money& value) {
        const int index = seen_[QByteArray(key)]++;
        if (Same(list_, want_.List) && row_ == want_.Row && Same(key, want_.Field) &&
            index == (want_.Index < 0 ? 0 : want_.Index))
            found = value;
    }
    void Int(const char*, qint32&) {}
    void Str(const char*, QString&) {}
    void Date(const char*, TDateTime&) {}
    void BeginList(const char* key) {
        list_ = key;
        row_ = -1;
    }
    void EndList() {
        list_ = nullptr;
        row_ = -1;
        seen_.clear();
    }
    void BeginItem() {
        ++row_;
        seen_.clear();
    }
    void EndItem() {}
    void BeginObject(const char* = nullptr) {}
    void EndObject() {}

    std::optional<Money> found;

private:
    static bool Same(const char* a, const char* b) { return a == b || (a && b && std::strcmp(a, b) == 0); }
    ResultRef want_;
    const char* list_ = nullptr;
    int row_ = -1;
    QHash<QByteArray, int> seen_;
};

inline std::optional<Money> ResultValue(kTSvodSum& sum, const ResultRef& ref) {
    std::optional<Money> value;
    sum.ForEachSheet([&](const char* name, auto& sheet) {
        if (std::strcmp(name, ref.Sheet) != 0) return;
        ResultFinder finder(ref);
        sheet.Fields(finder);
        value = finder.found;
    });
    return value;
}

// A value of the declaration, found in its dump by the reference's member names.
inline std::optional<Money> RecordValue(const QJsonObject& dump, const RecordRef& ref) {
    QJsonValue record;
    const QString field = QString::fromLatin1(ref.Field);
    switch (ref.Section) {
    case RecordSection::None:
        return std::nullopt;
    case RecordSection::Declaration:
        record = dump;
        break;
    case RecordSection::PensionContracts:
        record = dump[QStringLiteral("SocialDeduction")][QStringLiteral("PensionContracts")][ref.Record - 1];
        break;
    default:
        record = dump[RecordSectionKey(ref.Section)];
        if (ref.Record > 0) record = record[ref.Record - 1];
    }
    QJsonValue value = record[field];
    if (ref.Line > 0)
        value = value.isArray() ? value[ref.Line - 1] : record[QStringLiteral("Lines")][ref.Line - 1][field];
    Money money;
    if (!value.isString() || !Money::FromText(value.toString(), QLatin1Char('.'), money)) return std::nullopt;
    return money;
}

// Every amount field of a sheet, by name.
struct AmountFields {
    QList<QPair<const char*, Money>> fields;
    void Amount(const char* key, Money& value) { fields.append({key, value}); }
    void Int(const char*, qint32&) {}
    void Str(const char*, QString&) {}
    void Date(const char*, TDateTime&) {}
    void BeginList(const char*) {}
    void EndList() {}
    void BeginItem() {}
    void EndItem() {}
    void BeginObject(const char* = nullptr) {}
    void EndObject() {}
};

inline QString PathOf(const Explanation& e, Explanation::StepId id) {
    QStringList titles;
    for (Explanation::StepId s = id; s >= 0; s = e.Parent(s))
        titles.prepend(e.Step(s).Title);
    return titles.join(QStringLiteral(" / "));
}

// Explains the declaration and checks the explanation against an independent computation. Returns the
// explanation; a failed check fails the calling test (QTest's macros return from here, so the caller
// checks QTest::currentTestFailed()).
inline Explanation Check(mTDeclaration& declaration) {
    const QByteArray before = declaration.DumpJson();
    const QJsonObject dump = QJsonDocument::fromJson(before).object();
    Explanation explanation = ExplainDeclaration(declaration);
    // Explaining leaves the declaration as it was entered.
    [&] { QCOMPARE(declaration.DumpJson(), before); }();
    kTSvodSum sum;
    try {
        sum.Compute(declaration);
    } catch (...) {
    }
    const Explanation& e = explanation;
    for (Explanation::StepId id = 0; id < e.StepCount(); ++id) {
        const ExplainStep& step = e.Step(id);
        const QByteArray where = PathOf(e, id).toUtf8() + " | " + e.Formula(id).toUtf8();
        for (qint32 row = 0; row < e.ChildCount(id); ++row) {
            [&] {
                QVERIFY2(e.Parent(e.Child(id, row)) == id && e.Row(e.Child(id, row)) == row,
                         where.constData());
            }();
        }
        if (step.HasAmount()) {
            const std::optional<Money> value = e.Evaluate(id);
            [&] {
                QVERIFY2(value && *value == step.Amount,
                         (where + " gives " + (value ? value->ToText().toUtf8() : QByteArray("nothing")))
                             .constData());
            }();
        }
        for (const ResultRef* ref : {&step.Result, &step.AlsoResult}) {
            if (!ref->IsSet()) continue;
            const std::optional<Money> value = ResultValue(sum, *ref);
            [&] {
                QVERIFY2(value && *value == step.Amount,
                         (where + " " + ResultRefText(*ref).toUtf8() + " is " +
                          (value ? value->ToText().toUtf8() : QByteArray("missing")))
                             .constData());
            }();
        }
        for (const ExplainTerm& term : e.Terms(id)) {
            if (term.Step >= 0)
                [&] {
                    QVERIFY2(e.Step(term.Step).Amount == term.Amount,
                             (where + " / " + term.Label.toUtf8()).constData());
                }();
            if (term.Record.IsSet()) {
                const std::optional<Money> value = RecordValue(dump, term.Record);
                [&] {
                    QVERIFY2(value && *value == term.Amount,
                             (where + " / " + term.Label.toUtf8() + " " +
                              RecordRefText(term.Record, e.NonResident).toUtf8())
                                 .constData());
                }();
            }
        }
    }
    // Every computed amount of the tax bases and every line to pay or refund has its step.
    sum.ForEachSheet([&](const char* name, auto& sheet) {
        if (std::strncmp(name, "List", 4) != 0 || std::strcmp(name, "List6") == 0) return;
        AmountFields fields;
        sheet.Fields(fields);
        for (const auto& [field, value] : fields.fields)
            if (!value.IsZero())
                [&] {
                    QVERIFY2(e.Find({name, field, nullptr, -1, -1}) >= 0,
                             (QByteArray(name) + "." + field).constData());
                }();
    });
    for (size_t row = 0; row < sum.List6.Rows.size(); ++row)
        [&] { QVERIFY2(e.Find({"List6", "Amount", "Rows", qint32(row), -1}) >= 0, "List6 row"); }();
    // Both forms can be made of it.
    [&] { QVERIFY(!ExplanationText(e).isEmpty()); }();
    [&] { QVERIFY(QJsonDocument::fromJson(ExplanationJson(e)).isObject()); }();
    return explanation;
}

// The step reproducing the named result field ("List1.TaxBase"), -1 when there is none.
inline Explanation::StepId StepOf(const Explanation& e, const QString& result) {
    for (Explanation::StepId id = 0; id < e.StepCount(); ++id)
        if (ResultRefText(e.Step(id).Result) == result || ResultRefText(e.Step(id).AlsoResult) == result)
            return id;
    return -1;
}

} // namespace ExplanationChecks
