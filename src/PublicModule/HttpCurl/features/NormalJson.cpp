#include "NormalJson.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// A writer for one call: the compact form of objects (writeNormal*) and JsonCpp's
// StyledWriter layout for arrays and everything inside multi-line arrays.
class NormalWriter
{
public:
    std::string writeNormal(const Json::Value& root)
    {
        writeCommentBeforeNormalValue(root);
        writeNormalValue(root);
        writeCommentAfterNormalValueOnSameLine(root);
        return m_document;
    }

private:
    static const unsigned kRightMargin = 74;
    static const unsigned kIndentSize = 3;

    std::string m_document;
    std::string m_indent;
    std::vector<std::string> m_childValues;
    bool m_collect = false;

    // ---- scalar texts -------------------------------------------------------------

    static std::string quoted(const char* begin, const char* end)
    {
        static const char hex[] = "0123456789ABCDEF";
        std::string out;
        out.reserve(static_cast<std::size_t>(end - begin) + 2);
        out += '"';
        for (const char* p = begin; p != end; ++p) {
            const unsigned char c = static_cast<unsigned char>(*p);
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += hex[c >> 4];
                    out += hex[c & 0x0F];
                } else {
                    out += static_cast<char>(c);
                }
                break;
            }
        }
        out += '"';
        return out;
    }

    // A member key ends at its first zero byte.
    static std::string quotedKey(const std::string& key)
    {
        const char* b = key.c_str();
        return quoted(b, b + std::strlen(b));
    }

    static std::string realText(double d)
    {
        if (std::isnan(d))
            return "null";
        if (std::isinf(d))
            return d < 0 ? "-1e+9999" : "1e+9999";
        char buf[64];
        int len = std::snprintf(buf, sizeof(buf), "%.17g", d);
        if (len < 0)
            return "null";
        std::string out(buf, static_cast<std::size_t>(len) < sizeof(buf) ? len : sizeof(buf) - 1);
        for (char& c : out) {
            if (c == ',')
                c = '.';
        }
        return out;
    }

    // ---- low-level output -----------------------------------------------------------

    void pushValue(const std::string& text)
    {
        if (m_collect)
            m_childValues.push_back(text);
        else
            m_document += text;
    }

    // Line start: nothing after a blank; else a line feed (unless empty or already
    // after one), then the indentation text.
    void writeIndent()
    {
        if (!m_document.empty()) {
            const char last = m_document.back();
            if (last == ' ')
                return;
            if (last != '\n')
                m_document += '\n';
        }
        m_document += m_indent;
    }

    void writeWithIndent(const std::string& text)
    {
        writeIndent();
        m_document += text;
    }

    void indent() { m_indent.append(kIndentSize, ' '); }
    void unindent()
    {
        if (m_indent.size() >= kIndentSize)
            m_indent.resize(m_indent.size() - kIndentSize);
    }

    // Scalars (and empty containers) write the same text in both forms; true when
    // `value` was one of them and has been pushed.
    bool pushScalar(const Json::Value& value)
    {
        switch (value.type()) {
        case Json::nullValue:
            pushValue("null");
            return true;
        case Json::intValue:
            pushValue(std::to_string(value.asLargestInt()));
            return true;
        case Json::uintValue:
            pushValue(std::to_string(value.asLargestUInt()));
            return true;
        case Json::realValue:
            pushValue(realText(value.asDouble()));
            return true;
        case Json::booleanValue:
            pushValue(value.asBool() ? "true" : "false");
            return true;
        case Json::stringValue: {
            const char* b = nullptr;
            const char* e = nullptr;
            if (value.getString(&b, &e))
                pushValue(quoted(b, e));
            return true; // a string without storage writes nothing
        }
        default:
            return false;
        }
    }

    // ---- compact form -------------------------------------------------------------

    void writeNormalValue(const Json::Value& value)
    {
        if (pushScalar(value))
            return;
        if (value.type() == Json::arrayValue) {
            writeArrayValue(value);
            return;
        }
        // object
        if (value.empty()) {
            pushValue("{}");
            return;
        }
        m_document += '{';
        indent();
        const Json::Value::const_iterator end = value.end();
        for (Json::Value::const_iterator it = value.begin(); it != end;) {
            const Json::Value& child = *it;
            const std::string name = it.name();
            writeCommentBeforeNormalValue(child);
            m_document += quotedKey(name); // writeNormalWithIndent: no line start
            m_document += ':';
            writeNormalValue(child);
            ++it;
            if (it != end)
                m_document += ',';
            writeCommentAfterNormalValueOnSameLine(child);
        }
        unindent();
        m_document += '}';
    }

    void writeCommentBeforeNormalValue(const Json::Value& value)
    {
        if (value.hasComment(Json::commentBefore))
            m_document += value.getComment(Json::commentBefore);
    }

    void writeCommentAfterNormalValueOnSameLine(const Json::Value& value)
    {
        if (value.hasComment(Json::commentAfterOnSameLine))
            m_document += value.getComment(Json::commentAfterOnSameLine);
        if (value.hasComment(Json::commentAfter))
            m_document += value.getComment(Json::commentAfter);
    }

    // ---- styled form (JsonCpp StyledWriter layout) ------------------------------------

    void writeValue(const Json::Value& value)
    {
        if (pushScalar(value))
            return;
        if (value.type() == Json::arrayValue) {
            writeArrayValue(value);
            return;
        }
        if (value.empty()) {
            pushValue("{}");
            return;
        }
        writeWithIndent("{");
        indent();
        const Json::Value::const_iterator end = value.end();
        for (Json::Value::const_iterator it = value.begin(); it != end;) {
            const Json::Value& child = *it;
            const std::string name = it.name();
            writeCommentBeforeValue(child);
            writeWithIndent(quotedKey(name));
            m_document += " : ";
            writeValue(child);
            ++it;
            if (it != end)
                m_document += ',';
            writeCommentAfterValueOnSameLine(child);
        }
        unindent();
        writeWithIndent("}");
    }

    void writeArrayValue(const Json::Value& value)
    {
        const Json::ArrayIndex size = value.size();
        if (size == 0) {
            pushValue("[]");
            return;
        }
        if (isMultilineArray(value)) {
            // Element texts collected for a too-long line are reused as they stand.
            std::vector<std::string> collected;
            collected.swap(m_childValues);
            const bool hasChildValues = collected.size() == size;
            writeWithIndent("[");
            indent();
            for (Json::ArrayIndex index = 0; index < size; ++index) {
                const Json::Value& child = value[index];
                writeCommentBeforeValue(child);
                if (hasChildValues) {
                    writeWithIndent(collected[index]);
                } else {
                    writeIndent();
                    writeValue(child);
                }
                if (index + 1 < size)
                    m_document += ',';
                writeCommentAfterValueOnSameLine(child);
            }
            unindent();
            writeWithIndent("]");
        } else {
            std::vector<std::string> collected;
            collected.swap(m_childValues);
            m_document += "[ ";
            for (Json::ArrayIndex index = 0; index < size; ++index) {
                if (index > 0)
                    m_document += ", ";
                m_document += collected[index];
            }
            m_document += " ]";
        }
    }

    bool isMultilineArray(const Json::Value& value)
    {
        const Json::ArrayIndex size = value.size();
        bool multiLine = static_cast<unsigned long long>(size) * 3 >= kRightMargin;
        m_childValues.clear();
        for (Json::ArrayIndex index = 0; index < size && !multiLine; ++index) {
            const Json::Value& child = value[index];
            multiLine = (child.isArray() || child.isObject()) && !child.empty();
        }
        if (!multiLine) {
            m_childValues.reserve(size);
            m_collect = true;
            unsigned long long lineLength = 2ULL * size + 2; // "[ " + ", " * (n-1) + " ]"
            for (Json::ArrayIndex index = 0; index < size; ++index) {
                const Json::Value& child = value[index];
                if (hasCommentForValue(child))
                    multiLine = true;
                const std::size_t before = m_childValues.size();
                writeValue(child); // a scalar or an empty container: pushes one text
                if (m_childValues.size() == before)
                    m_childValues.emplace_back(); // a string without storage
                lineLength += m_childValues.back().size();
            }
            m_collect = false;
            multiLine = multiLine || lineLength >= kRightMargin;
        }
        return multiLine;
    }

    static bool hasCommentForValue(const Json::Value& value)
    {
        return value.hasComment(Json::commentBefore) ||
               value.hasComment(Json::commentAfterOnSameLine) ||
               value.hasComment(Json::commentAfter);
    }

    void writeCommentBeforeValue(const Json::Value& value)
    {
        if (!value.hasComment(Json::commentBefore))
            return;
        m_document += '\n';
        writeIndent();
        const std::string comment = value.getComment(Json::commentBefore);
        for (std::size_t i = 0; i < comment.size(); ++i) {
            m_document += comment[i];
            if (comment[i] == '\n' && i + 1 < comment.size() && comment[i + 1] == '/')
                writeIndent();
        }
        m_document += '\n';
    }

    void writeCommentAfterValueOnSameLine(const Json::Value& value)
    {
        if (value.hasComment(Json::commentAfterOnSameLine)) {
            m_document += ' ';
            m_document += value.getComment(Json::commentAfterOnSameLine);
        }
        if (value.hasComment(Json::commentAfter)) {
            m_document += '\n';
            m_document += value.getComment(Json::commentAfter);
            m_document += '\n';
        }
    }
};

} // namespace

std::string toNormalString(const Json::Value& value)
{
    NormalWriter writer;
    return writer.writeNormal(value);
}
