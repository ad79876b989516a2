#pragma once
#include "client/model/Settings.h"
#include "client/model/SourceList.h"

namespace vl {

class CArchive;

// The backup set: the document owns the settings; the item list belongs to the application
// and is read and written through the reference given here.
class CVaultlineDoc {
 public:
  explicit CVaultlineDoc(CSourceList& sources) : m_sources(sources) {}

  CSettings m_settings;

  CSourceList& Sources() { return m_sources; }
  const CSourceList& Sources() const { return m_sources; }

  const String& GetPathName() const { return m_strPathName; }
  void SetPathName(const String& path) { m_strPathName = path; }
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

  // A new set: default settings, no path.
  void OnNewDocument(const String& dataFolder);
  // Writes, or reads and appends to the item list.
  void Serialize(CArchive& ar);
  // The two directions of Serialize; storing leaves the set as it is.
  void Store(CArchive& ar) const;
  void Load(CArchive& ar);

 private:
  CSourceList& m_sources;
  String m_strPathName;
  bool m_bModified = false;
};

}  // namespace vl
