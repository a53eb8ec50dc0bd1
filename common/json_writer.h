#pragma once

#include <QStringView>

#include <string>

// Compact JSON written straight into a string of UTF-8 bytes, for output that QJsonDocument would
// build and take apart object by object (a batch of tens of thousands of answers): std::string
// appends with less ceremony than QByteArray. Strings are escaped as RFC 8259 requires; the
// caller keeps objects and arrays balanced.
class JsonWriter
{
public:
    explicit JsonWriter(std::string &out) : m_out(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // A member's name: plain ASCII without quotes or backslashes (the program's own keys).
    void key(const char *name);
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
    void member(const char *name, const Value &v)
    {
        key(name);
        value(v);
    }
    void rawMember(const char *name, const std::string &json)
    {
        key(name);
        rawValue(json);
    }

    // text as a JSON string, quotes included.
    static void appendString(std::string &out, QStringView text);

private:
    void separate();

    std::string &m_out;
    bool m_needsComma = false;
};
