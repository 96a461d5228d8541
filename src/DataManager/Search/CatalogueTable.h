#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <json/json.h>

#include <string>
#include <string_view>
#include <vector>

// UTF-8 as the catalogue keeps its names: valid, as QString::toUtf8 writes it.
namespace Utf8 {

// Whether the text is the UTF-16 text, read without decoding it into a string.
bool equals(std::string_view text, QStringView other);
// Appends the text case-folded code point by code point (as foldedForSearch folds).
void appendFolded(QByteArray& out, std::string_view text);

} // namespace Utf8

// The codes and names of one list of catalogue entries (countries, states, cities,
// operators or postal codes) laid end to end, with the row of each entry's parent in the
// list one level up (the rows of a list have a parent each, or none has). The texts are kept
// in UTF-8, about half the size of QString's. Operators and postal codes have their text as
// code and name, kept once.
class EntryTexts
{
public:
    explicit EntryTexts(bool bCodeIsName = false) : m_bCodeIsName(bCodeIsName) {}

    int size() const { return int(m_nameEnds.size()); }
    std::string_view nameUtf8(int nRow) const { return slice(m_names, m_nameEnds, nRow); }
    QString name(int nRow) const { return text(nameUtf8(nRow)); }
    QString code(int nRow) const { return text(codeUtf8(nRow)); }
    bool codeEquals(int nRow, QStringView code) const
    {
        return Utf8::equals(codeUtf8(nRow), code);
    }
    // -1 for none.
    int parent(int nRow) const { return m_parents.empty() ? -1 : m_parents[std::size_t(nRow)]; }
    // Every name, end to end, and where each ends.
    const QByteArray& names() const { return m_names; }
    const std::vector<int>& nameEnds() const { return m_nameEnds; }

    // `nParent` -1 for none.
    void append(std::string_view code, std::string_view name, int nParent);
    // Appends another list's rows, their parents moved by `nParentShift`.
    void append(const EntryTexts& other, int nParentShift);
    void squeeze();

    bool operator==(const EntryTexts& other) const;

private:
    std::string_view codeUtf8(int nRow) const
    {
        return m_bCodeIsName ? nameUtf8(nRow) : slice(m_codes, m_codeEnds, nRow);
    }
    static std::string_view slice(const QByteArray& texts, const std::vector<int>& ends, int nRow)
    {
        const int nBegin = nRow == 0 ? 0 : ends[std::size_t(nRow) - 1];
        return std::string_view(texts.constData() + nBegin,
                                std::size_t(ends[std::size_t(nRow)] - nBegin));
    }
    static QString text(std::string_view utf8)
    {
        return QString::fromUtf8(utf8.data(), int(utf8.size()));
    }

    bool m_bCodeIsName;
    QByteArray m_names;
    QByteArray m_codes;
    std::vector<int> m_nameEnds;
    std::vector<int> m_codeEnds;
    std::vector<int> m_parents;
};

// One catalogue file as its entries: the area file's countries, states and cities (each
// country with the texts of its operator and postal arrays), or the operators or postal
// codes. Elements of the wrong type, or members of it, read as in a tolerant accessor: an
// element that is not an object (a string for operators and postal codes) makes no entry,
// a member that is not a string reads as empty.
class CatalogueTable
{
public:
    enum List
    {
        Countries = 0,
        States = 1,
        Cities = 2
    };

    explicit CatalogueTable(bool bArea = false);

    bool isArea() const { return m_bArea; }
    // A level's list: for an area file Countries, States or Cities, else Countries alone.
    const EntryTexts& list(int nList) const { return m_lists[nList]; }
    int entryCount() const;
    // The file's elements, entries or not.
    int elementCount() const { return m_nElements; }
    // The compact text of a country's "isp_list" or "zip_list" when it is an array, else
    // empty.
    const std::string& countryArray(int nCountry, bool bIsp) const
    {
        return (bIsp ? m_countryIsps : m_countryZips)[std::size_t(nCountry)];
    }
    static Json::Value parsedArray(const std::string& text);

    // Appends the entries of `elements`, an array of the file's elements.
    void add(const Json::Value& elements);
    // Appends a table made of later elements.
    void append(const CatalogueTable& later);
    // Gives back the room grown beyond the rows.
    void squeeze();

    // The entries an element of a file of this kind makes.
    static int entriesOf(const Json::Value& element, bool bArea);

    bool operator==(const CatalogueTable& other) const;

private:
    void addCountry(const Json::Value& country);

    bool m_bArea;
    int m_nElements = 0;
    EntryTexts m_lists[3];
    std::vector<std::string> m_countryIsps;
    std::vector<std::string> m_countryZips;
};
