#include "data/builtin_records.h"

#include "data/builtin_elements_table.h"

namespace periodic {

const std::vector<ElementRecord>& BuiltinRecords() {
  static const std::vector<ElementRecord> records = [] {
    std::vector<ElementRecord> all;
    all.reserve(kElementCount);
    for (const BuiltinElement& e : kBuiltinElements) {
      ElementRecord r;
      r.SideSubgroup = e.sideSubgroup;
      r.Number = e.number;
      r.Symbol = e.symbol;
      r.AtomicMass = e.atomicMass;
      r.NameRus = e.nameRus;
      r.NameLat = e.nameLat;
      r.ElectronFormula = e.electronFormula;
      r.ElectronLevels = e.electronLevels;
      r.Electronegativity = e.electronegativity;
      r.Category = e.category;
      r.Block = e.block;
      // Decoding the encoded record pads every text field to its width, as a reader sees it.
      all.push_back(DecodeElementRecord(EncodeElementRecord(r)));
    }
    return all;
  }();
  return records;
}

const std::vector<std::uint8_t>& BuiltinRecordBytes() {
  static const std::vector<std::uint8_t> bytes = [] {
    std::vector<std::uint8_t> all;
    all.reserve(kElementCount * kElementRecordSize);
    for (const ElementRecord& r : BuiltinRecords()) {
      const ElementRecordBytes encoded = EncodeElementRecord(r);
      all.insert(all.end(), encoded.begin(), encoded.end());
    }
    return all;
  }();
  return bytes;
}

}  // namespace periodic
