#include "guidataset/browser/ISubDataset.h"

ISubDataset::~ISubDataset() = default;
