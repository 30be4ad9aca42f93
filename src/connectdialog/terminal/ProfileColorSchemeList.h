// The application-wide colour schemes: one 68-byte binary value per scheme, named after it, in
// the key "Color Schemes" at the root of the profile store. Loading guarantees a non-empty list
// that holds "Monochrome"; a store without schemes gets the seven built-in ones. Scheme names
// compare without regard to case. Load and Save open a store of their own (the installed
// factory), so the key handed to them is not used.
#pragma once

#include <vector>

#include "VProfile2.h"
#include "terminal/ColorScheme.h"

class ProfileColorSchemeList : public VProfileData {
 public:
  using Scheme = VProfile2<ColorScheme, VProfileBinary>;

  static constexpr char const* kKeyName = "Color Schemes";

  // Empty, named kKeyName, so that even an unloaded list saves to its own key.
  ProfileColorSchemeList();

  // Records `name` as the key to save to and reads the schemes in the store's order. A value
  // that is missing or unreadable leaves its scheme at its creation colours, marked dirty.
  void Load(VProfileKey* key, char const* name);
  // Deletes the values of schemes no longer listed, then saves each scheme (dirty or changed
  // ones only, unless forced). Write failures are not reported.
  void Save(VProfileKey* key, bool force) override;
  // A different count, or different colours pairwise in order; names are not compared.
  bool IsModified() const override;
  void Checkpoint() override { m_checkpoint = m_schemes; }
  void Rollback() override { m_schemes = m_checkpoint; }
  // Takes the name and every scheme of `other`, a ProfileColorSchemeList; anything else is ignored.
  void ApplyDelta(VProfileData const* other) override;

  // In text the list shows the schemes' names (VTextList); schemes are added and removed by
  // name with their colours, never from text.
  VOptionForm Form() const override { return VOptionForm::List; }
  VString ToText() const override;
  bool FromText(VString const& text, VString& error) override;
  // The names of the built-in schemes, which a store without schemes loads.
  static VString DefaultListText();

  bool Exists(char const* name) const { return IndexOf(name) >= 0; }
  // A copy of the scheme of that name, else of "Monochrome", else a fresh "Monochrome".
  Scheme Find(char const* name) const;

  int GetCount() const { return static_cast<int>(m_schemes.size()); }
  // An index outside the list throws std::out_of_range (a programming error).
  Scheme& GetAt(int index) { return m_schemes.at(static_cast<size_t>(index)); }
  Scheme const& GetAt(int index) const { return m_schemes.at(static_cast<size_t>(index)); }
  // Appends a scheme marked dirty, so that the next save writes it even with default colours.
  void Add(char const* name, ColorScheme const& colors);
  void RemoveAt(int index);
  // The index of the first scheme of that name, -1 when there is none.
  int IndexOf(char const* name) const;

 private:
  void AddLoaded(VProfileKey& key, char const* name, ColorScheme const& colors);
  void LoadStored(VProfileKey& key);
  void LoadBuiltIns(VProfileKey& key);
  void DeleteUnlisted(VProfileKey& key) const;

  std::vector<Scheme> m_schemes;
  std::vector<Scheme> m_checkpoint;
};
