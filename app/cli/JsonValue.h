#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pagaluz {

enum class JsonType : std::uint8_t { Null, Boolean, Number, String, Array, Object };

// One value of a read JSON text, stored in document order: a container is followed by its
// contents, an object's members each as the key (a String) and then the value.
struct JsonNode {
    JsonType type = JsonType::Null;
    bool boolean = false;
    bool escaped = false;  // a string written with at least one escape
    std::size_t size = 1;  // nodes of this value, its contents included
    std::string_view text; // a string's UTF-8 text without escapes, a number's JSON text
};

// A read JSON value: a view that stays valid as long as the reader that made it keeps it.
class JsonValue {
public:
    explicit JsonValue(const JsonNode *node) : m_node(node) {}

    JsonType type() const { return m_node->type; }
    bool isNull() const { return m_node->type == JsonType::Null; }
    // Preconditions: a Boolean for boolean(), a String or a Number for text().
    bool boolean() const { return m_node->boolean; }
    std::string_view text() const { return m_node->text; }
    bool escaped() const { return m_node->escaped; }

    class Members;
    class Elements;
    // Preconditions: an Object for members(), an Array for elements().
    Members members() const;
    Elements elements() const;

private:
    const JsonNode *m_node;
};

struct JsonMember {
    JsonValue key; // a String
    JsonValue value;
};

// The members of an object in the order they were written.
class JsonValue::Members {
public:
    class Iterator {
    public:
        explicit Iterator(const JsonNode *key) : m_key(key) {}
        JsonMember operator*() const { return {JsonValue(m_key), JsonValue(m_key + 1)}; }
        Iterator &operator++()
        {
            m_key += 1 + m_key[1].size;
            return *this;
        }
        bool operator==(const Iterator &) const = default;

    private:
        const JsonNode *m_key;
    };

    explicit Members(const JsonNode *object) : m_object(object) {}
    Iterator begin() const { return Iterator(m_object + 1); }
    Iterator end() const { return Iterator(m_object + m_object->size); }

private:
    const JsonNode *m_object;
};

// The elements of an array in their order.
class JsonValue::Elements {
public:
    class Iterator {
    public:
        explicit Iterator(const JsonNode *element) : m_element(element) {}
        JsonValue operator*() const { return JsonValue(m_element); }
        Iterator &operator++()
        {
            m_element += m_element->size;
            return *this;
        }
        bool operator==(const Iterator &) const = default;

    private:
        const JsonNode *m_element;
    };

    explicit Elements(const JsonNode *array) : m_array(array) {}
    Iterator begin() const { return Iterator(m_array + 1); }
    Iterator end() const { return Iterator(m_array + m_array->size); }

private:
    const JsonNode *m_array;
};

inline JsonValue::Members JsonValue::members() const
{
    return Members(m_node);
}

inline JsonValue::Elements JsonValue::elements() const
{
    return Elements(m_node);
}

} // namespace pagaluz
