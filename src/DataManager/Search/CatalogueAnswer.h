#pragma once

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <string>

// Reads the service's answer of a catalogue list (an answer whose "data" is the list) as
// WebInterface::ReadServiceAnswer reads an answer, but lays the list out as its cache file's
// text while it reads it, run by run, never holding it as one tree. The record gets the
// answer without its list in m_jsValue, the text in m_strValue and the number of the list's
// elements in m_nParam3 (-1 when "data" is no array). An answer that could not be saved
// (its text longer than a cache file may hold, CatalogueFile::kMaxTextBytes), or holds
// more than a list may (CatalogueFile::kMaxEntries, kMaxElementValues), or more than 1 MiB
// around its list (read whole), fails as an answer over its size bound fails
// (CURLE_FILESIZE_EXCEEDED, not asked for again), before anything is made of it; the file
// saved before is kept.
namespace CatalogueAnswer {

bool readAreas(const std::string& strBody, const std::string& strUrl, HTTPEvent_KX* pRecord);
// Operators or postal codes.
bool readTexts(const std::string& strBody, const std::string& strUrl, HTTPEvent_KX* pRecord);

} // namespace CatalogueAnswer
