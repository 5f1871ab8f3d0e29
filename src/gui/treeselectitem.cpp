#include "treeselectitem.h"

TreeSelectItem::~TreeSelectItem() = default;
