#include "ExplainedJson.h"
#include "ExplanationCheck.h"
#include "InputGenerator.h"
#include "JsonOutput.h"
#include "PayCalculator.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace pagaluz;

// The same tree: names, values, sentences and operations, term by term.
void expectSameTree(const ExplanationNode &read, const ExplanationNode &made)
{
    EXPECT_EQ(read.name, made.name);
    EXPECT_TRUE(read.value == made.value) << made.name;
    EXPECT_EQ(read.text, made.text);
    EXPECT_EQ(read.rounded, made.rounded) << made.name;
    EXPECT_EQ(read.operation, made.operation) << made.name;
    ASSERT_EQ(read.terms.size(), made.terms.size()) << made.name;
    for (std::size_t index = 0; index < made.terms.size(); ++index)
        expectSameTree(*read.terms[index], *made.terms[index]);
}

// Generated payslips written with their explanations: every reference names a quantity written
// with the same value, every quantity written is referred to, and with each reference replaced
// by its quantity every line's and total's tree is the calculation's own, evaluates exactly and
// comes to the amount.
TEST(ExplainedJson, QuantitiesReplacedGiveBackTreesThatComeToEveryAmount)
{
    for (const bool decimalComma : {true, false}) {
        SCOPED_TRACE(decimalComma ? "decimal comma" : "decimal point");
        const PayCalculator calculator(decimalComma ? DecimalConventions::comma()
                                                    : DecimalConventions::point(),
                                       Explanations::Built);
        test::InputGenerator generator(24, decimalComma ? "," : ".");
        int explained = 0;
        for (int index = 0; index < 150; ++index) {
            const CalculationResult result = calculator.calculate(generator.next());
            if (!result.succeeded())
                continue;
            ++explained;
            SCOPED_TRACE(index);
            std::string out;
            appendResultJson(result, out);
            const QJsonObject payslip =
                QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
            test::ExplainedJson json(payslip["quantities"].toObject());
            std::set<const ExplanationNode *> seen;
            const auto check = [&](const QJsonValue &written, const QJsonValue &amount,
                                   const ExplanationNode &made) {
                const auto root = json.root(written);
                EXPECT_EQ(root->value.text("."), amount.toString().toStdString());
                test::expectEvaluatesExactly(*root, false, seen);
                expectSameTree(*root, made);
            };
            const QJsonArray lines = payslip["lines"].toArray();
            const PayslipExplanation &made = *result.explanation();
            ASSERT_EQ(static_cast<std::size_t>(lines.size()), made.lines.size());
            for (qsizetype row = 0; row < lines.size(); ++row)
                check(lines[row]["explanation"], lines[row]["amount"],
                      *made.lines[static_cast<std::size_t>(row)]);
            check(payslip["totalEarningsExplanation"], payslip["totalEarnings"],
                  *made.totalEarnings);
            check(payslip["totalDeductionsExplanation"], payslip["totalDeductions"],
                  *made.totalDeductions);
            check(payslip["netPayExplanation"], payslip["netPay"], *made.netPay);
            EXPECT_EQ(json.unreferenced(), std::set<QString>{});
        }
        EXPECT_GT(explained, 100);
    }
}

} // namespace
