#pragma once
// Template and control ids of the DataFolder View dialog (CDovrelDataSetView).

namespace ids {

constexpr int kIddDataSetView = 599;
constexpr int kIdcDataSetViewName = 323;    // read-only edit, "DataFolder Name:"
constexpr int kIdcDataSetViewPath = 386;    // read-only edit, "DataFolder Path:"
constexpr int kIdcDataSetViewKind = 612;    // combo box, "Select Sub DataFolder:"
constexpr int kIdcDataSetViewClose = 2;     // "Close"
constexpr int kIdcDataSetViewFiles = 595;   // list: "Name", "Create Time", "Update Time"
constexpr int kIdiApplication = 319;        // the application's icon, image 0 of the file list

} // namespace ids
