// The two probe entry points of the tablebase library, as resolved at load time.
#include "tablebase/tablebase.h"

Tipo_Sonda_Tablas tb_probe_hard = nullptr;
Tipo_Sonda_Tablas tb_probe_soft = nullptr;
