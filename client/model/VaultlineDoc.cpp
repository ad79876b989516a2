#include "client/model/VaultlineDoc.h"

#include <memory>

#include "core/archive/Archive.h"

namespace vl {
namespace {

constexpr ArchiveClass kSourceClass{CSource::kClassName, CSource::kSchema};

void StoreSources(CArchive& ar, const CSourceList& sources) {
  ar.WriteCount(static_cast<uint32_t>(sources.GetCount()));
  for (const auto& source : sources) {
    ar.WriteObjectTag(kSourceClass);
    source->Store(ar);
  }
}

// Null elements are dropped; every other element is a new record.
void LoadSources(CArchive& ar, CSourceList& sources) {
  for (uint32_t count = ar.ReadCount(); count > 0; --count) {
    if (!ar.ReadObjectTag(kSourceClass)) continue;
    auto source = std::make_unique<CSource>();
    source->Load(ar);
    sources.AddTail(std::move(source));
  }
}

}  // namespace

void CVaultlineDoc::OnNewDocument(const String& dataFolder) {
  m_settings.SetDefaults(dataFolder);
  m_strPathName.clear();
  m_bModified = false;
}

void CVaultlineDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    Store(ar);
  } else {
    Load(ar);
  }
}

void CVaultlineDoc::Store(CArchive& ar) const {
  m_settings.Store(ar);
  StoreSources(ar, m_sources);
}

void CVaultlineDoc::Load(CArchive& ar) {
  m_settings.Load(ar);
  LoadSources(ar, m_sources);
}

}  // namespace vl
