#include "scf.h"

SCF::SCF(quint8 number) : AddressOnlyModul(number)
{
    m_name = tr("SCF");
    m_type = 0x45;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}
