#pragma once

#include <QStringView>

#include <string>
#include <string_view>

// Compact JSON written straight into a string of UTF-8 bytes, for output that QJsonDocument would
// build and take apart object by object (a batch of tens of thousands of answers): std::string
// appends with less ceremony than QByteArray. Strings are escaped as RFC 8259 requires; the
// caller keeps objects and arrays balanced.
class JsonWriter
{
public:
    explicit JsonWriter(std::string &out) : m_out(out) {}

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    // A member's name: plain ASCII without quotes or backslashes (the program's own keys).
    void key(std::string_view name)
    {
        separate();
        m_out += '"';
        m_out += name;
        m_out += "\":";
        m_needsComma = false;
    }
    void value(QStringView text);
    void value(const char *utf8);   // a literal of the program's own, escaped like any text
    void value(qint64 number);
    void value(int number) { value(qint64(number)); }
    void value(bool truth);
    // JSON written earlier by another JsonWriter: one complete value, or (inside an object) one
    // or more complete members separated by commas.
    void rawValue(const std::string &json);
    void rawMembers(const std::string &json) { rawValue(json); }

    // key() and value() in one.
    template<typename Value>
    void member(std::string_view name, const Value &v)
    {
        key(name);
        value(v);
    }
    void rawMember(std::string_view name, const std::string &json)
    {
        key(name);
        rawValue(json);
    }

    // text as a JSON string, quotes included.
    static void appendString(std::string &out, QStringView text);

private:
    void separate()
    {
        if (m_needsComma)
            m_out += ',';
        m_needsComma = true;
    }
    void open(char bracket)
    {
        separate();
        m_out += bracket;
        m_needsComma = false;
    }
    void close(char bracket)
    {
        m_out += bracket;
        m_needsComma = true;
    }

    std::string &m_out;
    bool m_needsComma = false;
};
