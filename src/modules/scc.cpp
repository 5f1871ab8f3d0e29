#include "scc.h"

SCC::SCC(quint8 number) : AddressOnlyModul(number)
{
    m_name = tr("SCC");
    m_type = 0x56;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}
