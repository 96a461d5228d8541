#include "NormalJson.h"

#include <charconv>
#include <cmath>
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
        m_document.reserve(kFirstCapacity);
        writeCommentBeforeNormalValue(root);
        writeNormalValue(root);
        writeCommentAfterNormalValueOnSameLine(root);
        return std::move(m_document);
    }

    // The elements of a multi-line array at the top, each after a line feed and one
    // indentation step, as writeArrayValue writes them.
    void writeNormalLines(std::string& out, const Json::Value& elements, bool bFirst)
    {
        m_document.swap(out);
        indent();
        for (const Json::Value& element : elements) {
            if (!bFirst)
                m_document += ',';
            bFirst = false;
            m_document += '\n';
            m_document += m_indent;
            writeValue(element);
        }
        unindent();
        m_document.swap(out);
    }

private:
    static const unsigned kRightMargin = 74;
    static const unsigned kIndentSize = 3;
    // Most texts are one record: room for one saves the steps of growing to it.
    static const std::size_t kFirstCapacity = 256;

    std::string m_document;
    std::string m_indent;
    std::vector<std::string> m_childValues;
    bool m_collect = false;

    // ---- scalar texts -------------------------------------------------------------

    // Texts are appended where they go: one row of a list writes dozens of them.
    static void appendQuoted(std::string& out, const char* begin, const char* end)
    {
        static const char hex[] = "0123456789ABCDEF";
        out.reserve(out.size() + static_cast<std::size_t>(end - begin) + 2);
        out += '"';
        const char* run = begin; // the start of bytes that go out as they are
        for (const char* p = begin; p != end; ++p) {
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c >= 0x20 && c != '"' && c != '\\')
                continue;
            out.append(run, p);
            run = p + 1;
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
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0x0F];
                break;
            }
        }
        out.append(run, end);
        out += '"';
    }

    // A member key ends at its first zero byte.
    static void appendKey(std::string& out, const Json::Value::const_iterator& it)
    {
        const char* end = nullptr;
        const char* begin = it.memberName(&end);
        if (!begin)
            begin = end = "";
        const void* zero = std::memchr(begin, '\0', static_cast<std::size_t>(end - begin));
        appendQuoted(out, begin, zero ? static_cast<const char*>(zero) : end);
    }

    static void appendReal(std::string& out, double d)
    {
        if (std::isnan(d)) {
            out += "null";
            return;
        }
        if (std::isinf(d)) {
            out += d < 0 ? "-1e+9999" : "1e+9999";
            return;
        }
        // The text of printf's "%.17g", with a point whatever the locale.
        char buf[32];
        const std::to_chars_result result =
            std::to_chars(buf, buf + sizeof(buf), d, std::chars_format::general, 17);
        out.append(buf, result.ptr);
    }

    template <typename Integer> static void appendInteger(std::string& out, Integer n)
    {
        char buf[24];
        const std::to_chars_result result = std::to_chars(buf, buf + sizeof(buf), n);
        out.append(buf, result.ptr);
    }

    // ---- low-level output -----------------------------------------------------------

    // Where the next scalar goes: the document, or a new text of the array being measured.
    std::string& scalarTarget()
    {
        if (!m_collect)
            return m_document;
        m_childValues.emplace_back();
        return m_childValues.back();
    }

    void pushValue(const char* szText) { scalarTarget() += szText; }

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
            appendInteger(scalarTarget(), value.asLargestInt());
            return true;
        case Json::uintValue:
            appendInteger(scalarTarget(), value.asLargestUInt());
            return true;
        case Json::realValue:
            appendReal(scalarTarget(), value.asDouble());
            return true;
        case Json::booleanValue:
            pushValue(value.asBool() ? "true" : "false");
            return true;
        case Json::stringValue: {
            const char* b = nullptr;
            const char* e = nullptr;
            std::string& out = scalarTarget();
            if (value.getString(&b, &e))
                appendQuoted(out, b, e);
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
            writeCommentBeforeNormalValue(child);
            appendKey(m_document, it); // writeNormalWithIndent: no line start
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
            writeCommentBeforeValue(child);
            writeIndent();
            appendKey(m_document, it);
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
                writeValue(child); // a scalar or an empty container: pushes one text
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

void appendNormalLines(std::string& out, const Json::Value& elements, bool bFirst)
{
    NormalWriter writer;
    writer.writeNormalLines(out, elements, bFirst);
}

std::string toNormalString(const Json::Value& value)
{
    NormalWriter writer;
    return writer.writeNormal(value);
}
