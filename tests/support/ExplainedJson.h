#pragma once

// Reads back the explanations of a payslip as pagaluz-calc --json --explain writes them: a
// reference {"name", "value", "text", "quantity"} stands for the payslip's "quantities"
// entry under that key, which it must match. The trees read are kept by the reader.

#include "Explanation.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace pagaluz::test {

class ExplainedJson {
public:
    explicit ExplainedJson(QJsonObject quantities) : m_quantities(std::move(quantities)) {}

    // The value in full, each reference under it replaced by its quantity's value; the keys of
    // every value checked on the way. A line's or a total's own value is no reference.
    std::shared_ptr<const ExplanationNode> root(const QJsonValue &value)
    {
        EXPECT_FALSE(value.toObject().contains("quantity")) << text(value["name"]);
        return resolved(value);
    }

    // The quantities no reference named.
    std::set<QString> unreferenced() const
    {
        std::set<QString> keys;
        for (const QString &key : m_quantities.keys())
            if (!m_referenced.contains(key))
                keys.insert(key);
        return keys;
    }

private:
    static std::string text(const QJsonValue &value) { return value.toString().toStdString(); }
    static std::set<QString> keysOf(const QJsonObject &object)
    {
        const QStringList keys = object.keys();
        return {keys.begin(), keys.end()};
    }

    std::shared_ptr<const ExplanationNode> resolved(const QJsonValue &value)
    {
        const QJsonObject object = value.toObject();
        if (!object.contains("quantity"))
            return inFull(object);
        EXPECT_EQ(keysOf(object), (std::set<QString>{"name", "value", "text", "quantity"}));
        const QString key = object["quantity"].toString();
        m_referenced.insert(key);
        EXPECT_TRUE(m_quantities.contains(key)) << key.toStdString();
        const QJsonObject quantity = m_quantities[key].toObject();
        EXPECT_TRUE(quantity.contains("operation")) << key.toStdString();
        for (const QString field : {"name", "value", "text"})
            EXPECT_EQ(object[field], quantity[field]) << key.toStdString();
        return inFull(quantity);
    }

    std::shared_ptr<const ExplanationNode> inFull(const QJsonObject &object)
    {
        const bool leaf = !object.contains("operation");
        const std::set<QString> leafKeys{"name", "value", "text", "rounded"};
        const std::set<QString> nodeKeys{"name", "value", "text", "operation", "terms", "rounded"};
        EXPECT_EQ(keysOf(object), leaf ? leafKeys : nodeKeys);
        auto node = std::make_shared<ExplanationNode>();
        node->name = kept(text(object["name"]));
        node->value = Decimal::fromText(text(object["value"])).value_or(Decimal());
        node->text = kept(text(object["text"]));
        EXPECT_TRUE(object["rounded"].isBool());
        node->rounded = object["rounded"].toBool();
        if (leaf)
            return node;
        for (const Operation operation :
             {Operation::Sum, Operation::Difference, Operation::Product, Operation::Minimum}) {
            if (text(object["operation"]) == operationName(operation))
                node->operation = operation;
        }
        EXPECT_TRUE(node->operation) << text(object["operation"]);
        std::vector<ExplanationPtr> terms;
        for (const QJsonValue &term : object["terms"].toArray())
            terms.push_back(m_nodes.emplace_back(resolved(term)).get());
        node->terms = m_terms.emplace_back(std::move(terms));
        return node;
    }

    // The texts, terms and nodes read, kept as long as the trees they make.
    ExplanationText kept(std::string text)
    {
        return ExplanationText(m_texts.emplace_back(std::move(text)));
    }

    QJsonObject m_quantities;
    std::set<QString> m_referenced;
    std::deque<std::string> m_texts;
    std::deque<std::vector<ExplanationPtr>> m_terms;
    std::vector<std::shared_ptr<const ExplanationNode>> m_nodes;
};

} // namespace pagaluz::test
