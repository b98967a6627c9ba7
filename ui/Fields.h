#pragma once

// Every bound widget of the kit.

#include "ui/FieldComboBox.h"
#include "ui/FieldDateEdit.h"
#include "ui/FieldEdits.h"
#include "ui/FieldPicture.h"
