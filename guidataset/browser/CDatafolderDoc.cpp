#include "guidataset/browser/CDatafolderDoc.h"

CDatafolderDoc::CDatafolderDoc(QObject* parent) : QObject(parent) {}

CDatafolderDoc::~CDatafolderDoc() = default;
