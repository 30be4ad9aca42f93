#include "VProfileKeyIterator.h"

#include "VProfileKey.h"
#include "VProfilePrivateKey.h"
#include "VProfilePrivateKeyIterator.h"

VProfileKeyIterator::VProfileKeyIterator(VProfileKey* key, bool values) {
  if (key && key->PrivateKey()) m_iterator = key->PrivateKey()->CreateIterator(values);
}

VProfileKeyIterator::~VProfileKeyIterator() { delete m_iterator; }

bool VProfileKeyIterator::Next(VString& name) { return m_iterator && m_iterator->Next(name); }
