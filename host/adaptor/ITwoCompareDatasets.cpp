#include "host/adaptor/ITwoCompareDatasets.h"

ITwoCompareDatasets::~ITwoCompareDatasets() = default;
