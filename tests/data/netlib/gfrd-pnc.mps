NAME          GFRD-PNC
ROWS
 N  OBJ
 E  AA1
 E  AA2
 E  AB1
 E  AB2
 E  AC1
 E  AC2
 E  AH1
 E  AH2
 E  AD1
 E  AD2
 E  AE1
 E  AE2
 E  AF1
 E  AF2
 E  AG1
 E  AG2
 E  AI1
 E  AI2
 E  BA1
 E  BA2
 E  DZ1
 E  DZ2
 E  CF1
 E  CF2
 E  BB1
 E  BB2
 E  CA1
 E  CA2
 E  CC1
 E  CC2
 E  CD1
 E  CD2
 E  CE1
 E  CE2
 E  CH1
 E  CH2
 E  CG1
 E  CG2
 E  CI1
 E  CI2
 E  CJ1
 E  CJ2
 E  EV1
 E  EV2
 E  EA1
 E  EA2
 E  EC1
 E  EC2
 E  EB1
 E  EB2
 E  ED1
 E  ED2
 E  EE1
 E  EE2
 E  FH1
 E  FH2
 E  EF1
 E  EF2
 E  EK1
 E  EK2
 E  EH1
 E  EH2
 E  EG1
 E  EG2
 E  FK1
 E  FK2
 E  EI1
 E  EI2
 E  EJ1
 E  EJ2
 E  EL1
 E  EL2
 E  EM1
 E  EM2
 E  ER1
 E  ER2
 E  EN1
 E  EN2
 E  EP1
 E  EP2
 E  EQ1
 E  EQ2
 E  FG1
 E  FG2
 E  ES1
 E  ES2
 E  ET1
 E  ET2
 E  EU1
 E  EU2
 E  KA1
 E  KA2
 E  FC1
 E  FC2
 E  EW1
 E  EW2
 E  FA1
 E  FA2
 E  GA1
 E  GA2
 E  FB1
 E  FB2
 E  FD1
 E  FD2
 E  FE1
 E  FE2
 E  FF1
 E  FF2
 E  FI1
 E  FI2
 E  FJ1
 E  FJ2
 E  FL1
 E  FL2
 E  FM1
 E  FM2
 E  FN1
 E  FN2
 E  GC1
 E  GC2
 E  FO1
 E  FO2
 E  FP1
 E  FP2
 E  FQ1
 E  FQ2
 E  FR1
 E  FR2
 E  FS1
 E  FS2
 E  FT1
 E  FT2
 E  FU1
 E  FU2
 E  HX1
 E  HX2
 E  FV1
 E  FV2
 E  FW1
 E  FW2
 E  HZ1
 E  HZ2
 E  FX1
 E  FX2
 E  HE1
 E  HE2
 E  HM1
 E  HM2
 E  FY1
 E  FY2
 E  FZ1
 E  FZ2
 E  LA1
 E  LA2
 E  F11
 E  F12
 E  F21
 E  F22
 E  F31
 E  F32
 E  F41
 E  F42
 E  F51
 E  F52
 E  NA1
 E  NA2
 E  F71
 E  F72
 E  F81
 E  F82
 E  KE1
 E  KE2
 E  KH1
 E  KH2
 E  F91
 E  F92
 E  GB1
 E  GB2
 E  HA1
 E  HA2
 E  YZ1
 E  YZ2
 E  HB1
 E  HB2
 E  HC1
 E  HC2
 E  HD1
 E  HD2
 E  H11
 E  H12
 E  HF1
 E  HF2
 E  HG1
 E  HG2
 E  HH1
 E  HH2
 E  HI1
 E  HI2
 E  HJ1
 E  HJ2
 E  HK1
 E  HK2
 E  HL1
 E  HL2
 E  H21
 E  H22
 E  HN1
 E  HN2
 E  HP1
 E  HP2
 E  HQ1
 E  HQ2
 E  HR1
 E  HR2
 E  HS1
 E  HS2
 E  HT1
 E  HT2
 E  SQ1
 E  SQ2
 E  HU1
 E  HU2
 E  SR1
 E  SR2
 E  HV1
 E  HV2
 E  HW1
 E  HW2
 E  QA1
 E  QA2
 E  SN1
 E  SN2
 E  HY1
 E  HY2
 E  IA1
 E  IA2
 E  JC1
 E  JC2
 E  JA1
 E  JA2
 E  JB1
 E  JB2
 E  KB1
 E  KB2
 E  KC1
 E  KC2
 E  KD1
 E  KD2
 E  MA1
 E  MA2
 E  KF1
 E  KF2
 E  MB1
 E  MB2
 E  KG1
 E  KG2
 E  MD1
 E  MD2
 E  PA1
 E  PA2
 E  KI1
 E  KI2
 E  LB1
 E  LB2
 E  LC1
 E  LC2
 E  MC1
 E  MC2
 E  NB1
 E  NB2
 E  NC1
 E  NC2
 E  ND1
 E  ND2
 E  SL1
 E  SL2
 E  SK1
 E  SK2
 E  QC1
 E  QC2
 E  RA1
 E  RA2
 E  SS1
 E  SS2
 E  RB1
 E  RB2
 E  SW1
 E  SW2
 E  RC1
 E  RC2
 E  SA1
 E  SA2
 E  SB1
 E  SB2
 E  SC1
 E  SC2
 E  SD1
 E  SD2
 E  SE1
 E  SE2
 E  SF1
 E  SF2
 E  SG1
 E  SG2
 E  SH1
 E  SH2
 E  SI1
 E  SI2
 E  TA1
 E  TA2
 E  SJ1
 E  SJ2
 E  SM1
 E  SM2
 E  TP1
 E  TP2
 E  SP1
 E  SP2
 E  ST1
 E  ST2
 E  SU1
 E  SU2
 E  TT1
 E  TT2
 E  SV1
 E  SV2
 E  YG1
 E  YG2
 E  SX1
 E  SX2
 E  SY1
 E  SY2
 E  T11
 E  T12
 E  YK1
 E  YK2
 E  ZA1
 E  ZA2
 E  TB1
 E  TB2
 E  TC1
 E  TC2
 E  TD1
 E  TD2
 E  XA1
 E  XA2
 E  TE1
 E  TE2
 E  XB1
 E  XB2
 E  TF1
 E  TF2
 E  TG1
 E  TG2
 E  TH1
 E  TH2
 E  TI1
 E  TI2
 E  TJ1
 E  TJ2
 E  TK1
 E  TK2
 E  TL1
 E  TL2
 E  TM1
 E  TM2
 E  TN1
 E  TN2
 E  TQ1
 E  TQ2
 E  TR1
 E  TR2
 E  TS1
 E  TS2
 E  TV1
 E  TV2
 E  TU1
 E  TU2
 E  TW1
 E  TW2
 E  TX1
 E  TX2
 E  TY1
 E  TY2
 E  TZ1
 E  TZ2
 E  ZF1
 E  ZF2
 E  T21
 E  T22
 E  T31
 E  T32
 E  T41
 E  T42
 E  X11
 E  X12
 E  T71
 E  T72
 E  T51
 E  T52
 E  T61
 E  T62
 E  X81
 E  X82
 E  UA1
 E  UA2
 E  YS1
 E  YS2
 E  VA1
 E  VA2
 E  WA1
 E  WA2
 E  ZY1
 E  ZY2
 E  WB1
 E  WB2
 E  WD1
 E  WD2
 E  ZZ1
 E  ZZ2
 E  WE1
 E  WE2
 E  XC1
 E  XC2
 E  XD1
 E  XD2
 E  XE1
 E  XE2
 E  XF1
 E  XF2
 E  XH1
 E  XH2
 E  XG1
 E  XG2
 E  X31
 E  X32
 E  XR1
 E  XR2
 E  XI1
 E  XI2
 E  XJ1
 E  XJ2
 E  XK1
 E  XK2
 E  XL1
 E  XL2
 E  XM1
 E  XM2
 E  XN1
 E  XN2
 E  XP1
 E  XP2
 E  XU1
 E  XU2
 E  XQ1
 E  XQ2
 E  XS1
 E  XS2
 E  XV1
 E  XV2
 E  XT1
 E  XT2
 E  ZV1
 E  ZV2
 E  XW1
 E  XW2
 E  X21
 E  X22
 E  ZQ1
 E  ZQ2
 E  XX1
 E  XX2
 E  XY1
 E  XY2
 E  ZK1
 E  ZK2
 E  YA1
 E  YA2
 E  YB1
 E  YB2
 E  YC1
 E  YC2
 E  YD1
 E  YD2
 E  YE1
 E  YE2
 E  YF1
 E  YF2
 E  YH1
 E  YH2
 E  YI1
 E  YI2
 E  YJ1
 E  YJ2
 E  YL1
 E  YL2
 E  YM1
 E  YM2
 E  YN1
 E  YN2
 E  YP1
 E  YP2
 E  YQ1
 E  YQ2
 E  YR1
 E  YR2
 E  ZE1
 E  ZE2
 E  YT1
 E  YT2
 E  YU1
 E  YU2
 E  ZB1
 E  ZB2
 E  ZC1
 E  ZC2
 E  ZD1
 E  ZD2
 E  ZJ1
 E  ZJ2
 E  ZG1
 E  ZG2
 E  ZH1
 E  ZH2
 E  ZI1
 E  ZI2
 E  ZL1
 E  ZL2
 E  ZM1
 E  ZM2
 E  ZP1
 E  ZP2
 E  ZR1
 E  ZR2
 E  ZS1
 E  ZS2
 E  ZT1
 E  ZT2
 E  ZU1
 E  ZU2
 E  ZW1
 E  ZW2
 E  ZX1
 E  ZX2
 E  Z11
 E  Z12
 E  Z21
 E  Z22
 L  PAF
 L  PEE
 L  PEH
 L  PEK
 L  PEM
 L  PEN
 L  PEQ
 L  PEU
 L  PEW
 L  PET
 L  PES
 L  PFL
 L  PFV
 L  PFX
 L  PFS
 L  PFZ
 L  PF2
 L  PF8
 L  PGB
 L  PHB
 L  PFA
 L  PHC
 L  PHD
 L  PHY
 L  PH1
 L  PHA
 L  PHG
 L  PHP
 L  PHS
 L  PHT
 L  PHU
 L  PKG
 L  PKB
 L  PKI
 L  PKD
 L  PMA
 L  PLC
 L  PMC
 L  PND
 L  PSB
 L  PSJ
 L  PSN
 L  PSU
 L  PTI
 L  PTA
 L  PTH
 L  PTK
 L  PTC
 L  PTF
 L  PUA
 L  PWB
 L  PWE
 L  PWA
 L  PWD
 L  PXF
 L  PXI
 L  PXN
 L  PXJ
 L  PXL
 L  PYM
 L  PYS
 L  PYI
 L  PYR
 L  PYU
 L  PZD
 L  PZI
 L  PZM
 L  PZX
COLUMNS
    AA1AB1    AA1                 1.   AB1                -1.
    AA1AB1    OBJ                .71
    AA2AB2    AA2                 1.   AB2                -1.
    AA2AB2    OBJ                .27
    AB1AC1    AB1                 1.   AC1                -1.
    AB1AC1    OBJ                .65
    AB2AC2    AB2                 1.   AC2                -1.
    AB2AC2    OBJ                .25
    AC1AH1    AC1                 1.   AH1                -1.
    AC1AH1    OBJ                .98
    AC2AH2    AC2                 1.   AH2                -1.
    AC2AH2    OBJ                .38
    AD1AC1    AD1                 1.   AC1                -1.
    AD1AC1    OBJ                .63
    AD2AC2    AD2                 1.   AC2                -1.
    AD2AC2    OBJ                .24
    AE1AD1    AE1                 1.   AD1                -1.
    AE1AD1    OBJ                .58
    AE2AD2    AE2                 1.   AD2                -1.
    AE2AD2    OBJ                .22
    AF1AE1    AF1                 1.   AE1                -1.
    AF1AE1    OBJ                .59
    AF2AE2    AF2                 1.   AE2                -1.
    AF2AE2    OBJ                .23
    AG1AD1    AG1                 1.   AD1                -1.
    AG1AD1    OBJ                .53
    AG2AD2    AG2                 1.   AD2                -1.
    AG2AD2    OBJ                .21
    AH1AI1    AH1                 1.   AI1                -1.
    AH1AI1    OBJ                .64
    AH2AI2    AH2                 1.   AI2                -1.
    AH2AI2    OBJ                .25
    AI1BA1    AI1                 1.   BA1                -1.
    AI1BA1    OBJ                .67
    AI2BA2    AI2                 1.   BA2                -1.
    AI2BA2    OBJ                .26
    AI1DZ1    AI1                 1.   DZ1                -1.
    AI1DZ1    OBJ               8.77
    AI2DZ2    AI2                 1.   DZ2                -1.
    AI2DZ2    OBJ               3.38
    BA1AI1    BA1                 1.   AI1                -1.
    BA1AI1    OBJ                .63
    BA2AI2    BA2                 1.   AI2                -1.
    BA2AI2    OBJ                .24
    BA1CF1    BA1                 1.   CF1                -1.
    BA1CF1    OBJ                .58
    BA2CF2    BA2                 1.   CF2                -1.
    BA2CF2    OBJ                .22
    BB1BA1    BB1                 1.   BA1                -1.
    BB1BA1    OBJ                .59
    BB2BA2    BB2                 1.   BA2                -1.
    BB2BA2    OBJ                .23
    CA1AF1    CA1                 1.   AF1                -1.
    CA1AF1    OBJ                .66
    CA2AF2    CA2                 1.   AF2                -1.
    CA2AF2    OBJ                .26
    CC1BB1    CC1                 1.   BB1                -1.
    CC1BB1    OBJ                .64
    CC2BB2    CC2                 1.   BB2                -1.
    CC2BB2    OBJ                .25
    CD1CC1    CD1                 1.   CC1                -1.
    CD1CC1    OBJ                .56
    CD2CC2    CD2                 1.   CC2                -1.
    CD2CC2    OBJ                .22
    CE1CD1    CE1                 1.   CD1                -1.
    CE1CD1    OBJ                .53
    CE2CD2    CE2                 1.   CD2                -1.
    CE2CD2    OBJ                 .2
    CF1BA1    CF1                 1.   BA1                -1.
    CF1BA1    OBJ                .57
    CF2BA2    CF2                 1.   BA2                -1.
    CF2BA2    OBJ                .22
    CF1CH1    CF1                 1.   CH1                -1.
    CF1CH1    OBJ                .64
    CF2CH2    CF2                 1.   CH2                -1.
    CF2CH2    OBJ                .24
    CG1CF1    CG1                 1.   CF1                -1.
    CG1CF1    OBJ                .61
    CG2CF2    CG2                 1.   CF2                -1.
    CG2CF2    OBJ                .23
    CH1CF1    CH1                 1.   CF1                -1.
    CH1CF1    OBJ                .57
    CH2CF2    CH2                 1.   CF2                -1.
    CH2CF2    OBJ                .22
    CH1CI1    CH1                 1.   CI1                -1.
    CH1CI1    OBJ                .56
    CH2CI2    CH2                 1.   CI2                -1.
    CH2CI2    OBJ                .22
    CH1CJ1    CH1                 1.   CJ1                -1.
    CH1CJ1    OBJ                .63
    CH2CJ2    CH2                 1.   CJ2                -1.
    CH2CJ2    OBJ                .24
    CI1CH1    CI1                 1.   CH1                -1.
    CI1CH1    OBJ                .56
    CI2CH2    CI2                 1.   CH2                -1.
    CI2CH2    OBJ                .22
    CI1EV1    CI1                 1.   EV1                -1.
    CI1EV1    OBJ                 .6
    CI2EV2    CI2                 1.   EV2                -1.
    CI2EV2    OBJ                .23
    CJ1CH1    CJ1                 1.   CH1                -1.
    CJ1CH1    OBJ                .57
    CJ2CH2    CJ2                 1.   CH2                -1.
    CJ2CH2    OBJ                .22
    CJ1EA1    CJ1                 1.   EA1                -1.
    CJ1EA1    OBJ                .71
    CJ2EA2    CJ2                 1.   EA2                -1.
    CJ2EA2    OBJ                .27
    EA1CJ1    EA1                 1.   CJ1                -1.
    EA1CJ1    OBJ                .59
    EA2CJ2    EA2                 1.   CJ2                -1.
    EA2CJ2    OBJ                .23
    EA1EC1    EA1                 1.   EC1                -1.
    EA1EC1    OBJ                .55
    EA2EC2    EA2                 1.   EC2                -1.
    EA2EC2    OBJ                .21
    EB1EA1    EB1                 1.   EA1                -1.
    EB1EA1    OBJ                .61
    EB2EA2    EB2                 1.   EA2                -1.
    EB2EA2    OBJ                .23
    EC1EA1    EC1                 1.   EA1                -1.
    EC1EA1    OBJ                .52
    EC2EA2    EC2                 1.   EA2                -1.
    EC2EA2    OBJ                 .2
    EC1ED1    EC1                 1.   ED1                -1.
    EC1ED1    OBJ                .59
    EC2ED2    EC2                 1.   ED2                -1.
    EC2ED2    OBJ                .23
    EC1EE1    EC1                 1.   EE1                -1.
    EC1EE1    OBJ                .51
    EC2EE2    EC2                 1.   EE2                -1.
    EC2EE2    OBJ                .19
    ED1EC1    ED1                 1.   EC1                -1.
    ED1EC1    OBJ                .63
    ED2EC2    ED2                 1.   EC2                -1.
    ED2EC2    OBJ                .24
    ED1FH1    ED1                 1.   FH1                -1.
    ED1FH1    OBJ                .62
    ED2FH2    ED2                 1.   FH2                -1.
    ED2FH2    OBJ                .24
    EE1EC1    EE1                 1.   EC1                -1.
    EE1EC1    OBJ                .51
    EE2EC2    EE2                 1.   EC2                -1.
    EE2EC2    OBJ                .19
    EE1EF1    EE1                 1.   EF1                -1.
    EE1EF1    OBJ                .66
    EE2EF2    EE2                 1.   EF2                -1.
    EE2EF2    OBJ                .25
    EE1EK1    EE1                 1.   EK1                -1.
    EE1EK1    OBJ                .68
    EE2EK2    EE2                 1.   EK2                -1.
    EE2EK2    OBJ                .26
    EF1EE1    EF1                 1.   EE1                -1.
    EF1EE1    OBJ                .68
    EF2EE2    EF2                 1.   EE2                -1.
    EF2EE2    OBJ                .26
    EF1EH1    EF1                 1.   EH1                -1.
    EF1EH1    OBJ                .51
    EF2EH2    EF2                 1.   EH2                -1.
    EF2EH2    OBJ                .19
    EG1EF1    EG1                 1.   EF1                -1.
    EG1EF1    OBJ                .55
    EG2EF2    EG2                 1.   EF2                -1.
    EG2EF2    OBJ                .21
    EH1EF1    EH1                 1.   EF1                -1.
    EH1EF1    OBJ                .53
    EH2EF2    EH2                 1.   EF2                -1.
    EH2EF2    OBJ                 .2
    EH1FK1    EH1                 1.   FK1                -1.
    EH1FK1    OBJ                .57
    EH2FK2    EH2                 1.   FK2                -1.
    EH2FK2    OBJ                .22
    EI1EH1    EI1                 1.   EH1                -1.
    EI1EH1    OBJ                .54
    EI2EH2    EI2                 1.   EH2                -1.
    EI2EH2    OBJ                .21
    EJ1EI1    EJ1                 1.   EI1                -1.
    EJ1EI1    OBJ                .53
    EJ2EI2    EJ2                 1.   EI2                -1.
    EJ2EI2    OBJ                 .2
    EK1EE1    EK1                 1.   EE1                -1.
    EK1EE1    OBJ                 .7
    EK2EE2    EK2                 1.   EE2                -1.
    EK2EE2    OBJ                .27
    EK1EL1    EK1                 1.   EL1                -1.
    EK1EL1    OBJ                .59
    EK2EL2    EK2                 1.   EL2                -1.
    EK2EL2    OBJ                .23
    EL1EK1    EL1                 1.   EK1                -1.
    EL1EK1    OBJ                 .7
    EL2EK2    EL2                 1.   EK2                -1.
    EL2EK2    OBJ                .27
    EL1EM1    EL1                 1.   EM1                -1.
    EL1EM1    OBJ                .55
    EL2EM2    EL2                 1.   EM2                -1.
    EL2EM2    OBJ                .21
    EL1ER1    EL1                 1.   ER1                -1.
    EL1ER1    OBJ                .59
    EL2ER2    EL2                 1.   ER2                -1.
    EL2ER2    OBJ                .23
    EM1EL1    EM1                 1.   EL1                -1.
    EM1EL1    OBJ                .61
    EM2EL2    EM2                 1.   EL2                -1.
    EM2EL2    OBJ                .23
    EM1EN1    EM1                 1.   EN1                -1.
    EM1EN1    OBJ                .63
    EM2EN2    EM2                 1.   EN2                -1.
    EM2EN2    OBJ                .24
    EN1EM1    EN1                 1.   EM1                -1.
    EN1EM1    OBJ                .64
    EN2EM2    EN2                 1.   EM2                -1.
    EN2EM2    OBJ                .24
    EN1EP1    EN1                 1.   EP1                -1.
    EN1EP1    OBJ                .59
    EN2EP2    EN2                 1.   EP2                -1.
    EN2EP2    OBJ                .23
    EP1EN1    EP1                 1.   EN1                -1.
    EP1EN1    OBJ                .61
    EP2EN2    EP2                 1.   EN2                -1.
    EP2EN2    OBJ                .23
    EP1EQ1    EP1                 1.   EQ1                -1.
    EP1EQ1    OBJ                .52
    EP2EQ2    EP2                 1.   EQ2                -1.
    EP2EQ2    OBJ                 .2
    EQ1EP1    EQ1                 1.   EP1                -1.
    EQ1EP1    OBJ                .52
    EQ2EP2    EQ2                 1.   EP2                -1.
    EQ2EP2    OBJ                 .2
    EQ1FG1    EQ1                 1.   FG1                -1.
    EQ1FG1    OBJ                .55
    EQ2FG2    EQ2                 1.   FG2                -1.
    EQ2FG2    OBJ                .21
    ER1EL1    ER1                 1.   EL1                -1.
    ER1EL1    OBJ                .63
    ER2EL2    ER2                 1.   EL2                -1.
    ER2EL2    OBJ                .24
    ER1ES1    ER1                 1.   ES1                -1.
    ER1ES1    OBJ                .59
    ER2ES2    ER2                 1.   ES2                -1.
    ER2ES2    OBJ                .23
    ES1ER1    ES1                 1.   ER1                -1.
    ES1ER1    OBJ                .59
    ES2ER2    ES2                 1.   ER2                -1.
    ES2ER2    OBJ                .23
    ES1ET1    ES1                 1.   ET1                -1.
    ES1ET1    OBJ                .59
    ES2ET2    ES2                 1.   ET2                -1.
    ES2ET2    OBJ                .23
    ET1ES1    ET1                 1.   ES1                -1.
    ET1ES1    OBJ                .68
    ET2ES2    ET2                 1.   ES2                -1.
    ET2ES2    OBJ                .26
    ET1EU1    ET1                 1.   EU1                -1.
    ET1EU1    OBJ                .66
    ET2EU2    ET2                 1.   EU2                -1.
    ET2EU2    OBJ                .26
    EU1ET1    EU1                 1.   ET1                -1.
    EU1ET1    OBJ                .64
    EU2ET2    EU2                 1.   ET2                -1.
    EU2ET2    OBJ                .24
    EU1KA1    EU1                 1.   KA1                -1.
    EU1KA1    OBJ                .59
    EU2KA2    EU2                 1.   KA2                -1.
    EU2KA2    OBJ                .23
    EV1CI1    EV1                 1.   CI1                -1.
    EV1CI1    OBJ                 .6
    EV2CI2    EV2                 1.   CI2                -1.
    EV2CI2    OBJ                .23
    EV1FC1    EV1                 1.   FC1                -1.
    EV1FC1    OBJ                .59
    EV2FC2    EV2                 1.   FC2                -1.
    EV2FC2    OBJ                .23
    EW1EN1    EW1                 1.   EN1                -1.
    EW1EN1    OBJ                .52
    EW2EN2    EW2                 1.   EN2                -1.
    EW2EN2    OBJ                 .2
    FA1GA1    FA1                 1.   GA1                -1.
    FA1GA1    OBJ                .72
    FA2GA2    FA2                 1.   GA2                -1.
    FA2GA2    OBJ                .28
    FB1AA1    FB1                 1.   AA1                -1.
    FB1AA1    OBJ                .76
    FB2AA2    FB2                 1.   AA2                -1.
    FB2AA2    OBJ                .29
    FC1EV1    FC1                 1.   EV1                -1.
    FC1EV1    OBJ                .59
    FC2EV2    FC2                 1.   EV2                -1.
    FC2EV2    OBJ                .23
    FC1FD1    FC1                 1.   FD1                -1.
    FC1FD1    OBJ                .57
    FC2FD2    FC2                 1.   FD2                -1.
    FC2FD2    OBJ                .22
    FD1FC1    FD1                 1.   FC1                -1.
    FD1FC1    OBJ                .56
    FD2FC2    FD2                 1.   FC2                -1.
    FD2FC2    OBJ                .22
    FD1FE1    FD1                 1.   FE1                -1.
    FD1FE1    OBJ                .54
    FD2FE2    FD2                 1.   FE2                -1.
    FD2FE2    OBJ                .21
    FE1FD1    FE1                 1.   FD1                -1.
    FE1FD1    OBJ                .55
    FE2FD2    FE2                 1.   FD2                -1.
    FE2FD2    OBJ                .21
    FE1FF1    FE1                 1.   FF1                -1.
    FE1FF1    OBJ                 .6
    FE2FF2    FE2                 1.   FF2                -1.
    FE2FF2    OBJ                .23
    FF1FE1    FF1                 1.   FE1                -1.
    FF1FE1    OBJ                .63
    FF2FE2    FF2                 1.   FE2                -1.
    FF2FE2    OBJ                .24
    FF1FG1    FF1                 1.   FG1                -1.
    FF1FG1    OBJ                .57
    FF2FG2    FF2                 1.   FG2                -1.
    FF2FG2    OBJ                .22
    FG1EQ1    FG1                 1.   EQ1                -1.
    FG1EQ1    OBJ                .55
    FG2EQ2    FG2                 1.   EQ2                -1.
    FG2EQ2    OBJ                .21
    FG1FF1    FG1                 1.   FF1                -1.
    FG1FF1    OBJ                .58
    FG2FF2    FG2                 1.   FF2                -1.
    FG2FF2    OBJ                .22
    FH1ED1    FH1                 1.   ED1                -1.
    FH1ED1    OBJ                .61
    FH2ED2    FH2                 1.   ED2                -1.
    FH2ED2    OBJ                .23
    FH1FI1    FH1                 1.   FI1                -1.
    FH1FI1    OBJ                .52
    FH2FI2    FH2                 1.   FI2                -1.
    FH2FI2    OBJ                 .2
    FI1FH1    FI1                 1.   FH1                -1.
    FI1FH1    OBJ                .54
    FI2FH2    FI2                 1.   FH2                -1.
    FI2FH2    OBJ                .21
    FI1FJ1    FI1                 1.   FJ1                -1.
    FI1FJ1    OBJ                .59
    FI2FJ2    FI2                 1.   FJ2                -1.
    FI2FJ2    OBJ                .23
    FJ1FI1    FJ1                 1.   FI1                -1.
    FJ1FI1    OBJ                .59
    FJ2FI2    FJ2                 1.   FI2                -1.
    FJ2FI2    OBJ                .23
    FJ1FK1    FJ1                 1.   FK1                -1.
    FJ1FK1    OBJ                .55
    FJ2FK2    FJ2                 1.   FK2                -1.
    FJ2FK2    OBJ                .21
    FK1EH1    FK1                 1.   EH1                -1.
    FK1EH1    OBJ                .61
    FK2EH2    FK2                 1.   EH2                -1.
    FK2EH2    OBJ                .24
    FK1FJ1    FK1                 1.   FJ1                -1.
    FK1FJ1    OBJ                 .6
    FK2FJ2    FK2                 1.   FJ2                -1.
    FK2FJ2    OBJ                .23
    FL1FC1    FL1                 1.   FC1                -1.
    FL1FC1    OBJ                .59
    FL2FC2    FL2                 1.   FC2                -1.
    FL2FC2    OBJ                .23
    FM1FL1    FM1                 1.   FL1                -1.
    FM1FL1    OBJ                .64
    FM2FL2    FM2                 1.   FL2                -1.
    FM2FL2    OBJ                .25
    FN1GC1    FN1                 1.   GC1                -1.
    FN1GC1    OBJ                .55
    FN2GC2    FN2                 1.   GC2                -1.
    FN2GC2    OBJ                .21
    FO1CA1    FO1                 1.   CA1                -1.
    FO1CA1    OBJ                .64
    FO2CA2    FO2                 1.   CA2                -1.
    FO2CA2    OBJ                .25
    FP1FN1    FP1                 1.   FN1                -1.
    FP1FN1    OBJ                .62
    FP2FN2    FP2                 1.   FN2                -1.
    FP2FN2    OBJ                .24
    FQ1FP1    FQ1                 1.   FP1                -1.
    FQ1FP1    OBJ                .54
    FQ2FP2    FQ2                 1.   FP2                -1.
    FQ2FP2    OBJ                .21
    FR1FQ1    FR1                 1.   FQ1                -1.
    FR1FQ1    OBJ                .53
    FR2FQ2    FR2                 1.   FQ2                -1.
    FR2FQ2    OBJ                 .2
    FS1FR1    FS1                 1.   FR1                -1.
    FS1FR1    OBJ                .59
    FS2FR2    FS2                 1.   FR2                -1.
    FS2FR2    OBJ                .23
    FT1FU1    FT1                 1.   FU1                -1.
    FT1FU1    OBJ                .56
    FT2FU2    FT2                 1.   FU2                -1.
    FT2FU2    OBJ                .22
    FU1HX1    FU1                 1.   HX1                -1.
    FU1HX1    OBJ                .55
    FU2HX2    FU2                 1.   HX2                -1.
    FU2HX2    OBJ                .21
    FV1FW1    FV1                 1.   FW1                -1.
    FV1FW1    OBJ                .55
    FV2FW2    FV2                 1.   FW2                -1.
    FV2FW2    OBJ                .21
    FW1HZ1    FW1                 1.   HZ1                -1.
    FW1HZ1    OBJ                .68
    FW2HZ2    FW2                 1.   HZ2                -1.
    FW2HZ2    OBJ                .26
    FX1HE1    FX1                 1.   HE1                -1.
    FX1HE1    OBJ                .66
    FX2HE2    FX2                 1.   HE2                -1.
    FX2HE2    OBJ                .25
    FX1HM1    FX1                 1.   HM1                -1.
    FX1HM1    OBJ                .59
    FX2HM2    FX2                 1.   HM2                -1.
    FX2HM2    OBJ                .23
    FY1FZ1    FY1                 1.   FZ1                -1.
    FY1FZ1    OBJ                .56
    FY2FZ2    FY2                 1.   FZ2                -1.
    FY2FZ2    OBJ                .22
    FZ1LA1    FZ1                 1.   LA1                -1.
    FZ1LA1    OBJ                .58
    FZ2LA2    FZ2                 1.   LA2                -1.
    FZ2LA2    OBJ                .22
    F11F21    F11                 1.   F21                -1.
    F11F21    OBJ                .64
    F12F22    F12                 1.   F22                -1.
    F12F22    OBJ                .24
    F21F31    F21                 1.   F31                -1.
    F21F31    OBJ                .57
    F22F32    F22                 1.   F32                -1.
    F22F32    OBJ                .22
    F31F41    F31                 1.   F41                -1.
    F31F41    OBJ                .64
    F32F42    F32                 1.   F42                -1.
    F32F42    OBJ                .25
    F31LA1    F31                 1.   LA1                -1.
    F31LA1    OBJ                .63
    F32LA2    F32                 1.   LA2                -1.
    F32LA2    OBJ                .24
    F41F31    F41                 1.   F31                -1.
    F41F31    OBJ                .66
    F42F32    F42                 1.   F32                -1.
    F42F32    OBJ                .26
    F41F51    F41                 1.   F51                -1.
    F41F51    OBJ                .59
    F42F52    F42                 1.   F52                -1.
    F42F52    OBJ                .23
    F51F41    F51                 1.   F41                -1.
    F51F41    OBJ                .59
    F52F42    F52                 1.   F42                -1.
    F52F42    OBJ                .23
    F51NA1    F51                 1.   NA1                -1.
    F51NA1    OBJ                .67
    F52NA2    F52                 1.   NA2                -1.
    F52NA2    OBJ                .26
    F71F81    F71                 1.   F81                -1.
    F71F81    OBJ                .55
    F72F82    F72                 1.   F82                -1.
    F72F82    OBJ                .21
    F71KE1    F71                 1.   KE1                -1.
    F71KE1    OBJ                .59
    F72KE2    F72                 1.   KE2                -1.
    F72KE2    OBJ                .23
    F81F71    F81                 1.   F71                -1.
    F81F71    OBJ                .56
    F82F72    F82                 1.   F72                -1.
    F82F72    OBJ                .22
    F81KH1    F81                 1.   KH1                -1.
    F81KH1    OBJ                .61
    F82KH2    F82                 1.   KH2                -1.
    F82KH2    OBJ                .24
    F91F81    F91                 1.   F81                -1.
    F91F81    OBJ                .57
    F92F82    F92                 1.   F82                -1.
    F92F82    OBJ                .22
    GA1FB1    GA1                 1.   FB1                -1.
    GA1FB1    OBJ                 .7
    GA2FB2    GA2                 1.   FB2                -1.
    GA2FB2    OBJ                .27
    GB1FO1    GB1                 1.   FO1                -1.
    GB1FO1    OBJ                .53
    GB2FO2    GB2                 1.   FO2                -1.
    GB2FO2    OBJ                .21
    GC1GB1    GC1                 1.   GB1                -1.
    GC1GB1    OBJ                .57
    GC2GB2    GC2                 1.   GB2                -1.
    GC2GB2    OBJ                .22
    HA1FA1    HA1                 1.   FA1                -1.
    HA1FA1    OBJ                .79
    HA2FA2    HA2                 1.   FA2                -1.
    HA2FA2    OBJ                 .3
    HA1YZ1    HA1                 1.   YZ1                -1.
    HA1YZ1    OBJ               1.88
    HA2YZ2    HA2                 1.   YZ2                -1.
    HA2YZ2    OBJ                .72
    HB1FA1    HB1                 1.   FA1                -1.
    HB1FA1    OBJ                .56
    HB2FA2    HB2                 1.   FA2                -1.
    HB2FA2    OBJ                .22
    HC1HB1    HC1                 1.   HB1                -1.
    HC1HB1    OBJ                .55
    HC2HB2    HC2                 1.   HB2                -1.
    HC2HB2    OBJ                .21
    HD1HC1    HD1                 1.   HC1                -1.
    HD1HC1    OBJ                .56
    HD2HC2    HD2                 1.   HC2                -1.
    HD2HC2    OBJ                .22
    HE1FX1    HE1                 1.   FX1                -1.
    HE1FX1    OBJ                .81
    HE2FX2    HE2                 1.   FX2                -1.
    HE2FX2    OBJ                .31
    HE1H11    HE1                 1.   H11                -1.
    HE1H11    OBJ                .55
    HE2H12    HE2                 1.   H12                -1.
    HE2H12    OBJ                .21
    HF1H11    HF1                 1.   H11                -1.
    HF1H11    OBJ                .66
    HF2H12    HF2                 1.   H12                -1.
    HF2H12    OBJ                .25
    HG1HF1    HG1                 1.   HF1                -1.
    HG1HF1    OBJ                .57
    HG2HF2    HG2                 1.   HF2                -1.
    HG2HF2    OBJ                .22
    HH1HG1    HH1                 1.   HG1                -1.
    HH1HG1    OBJ                .64
    HH2HG2    HH2                 1.   HG2                -1.
    HH2HG2    OBJ                .25
    HI1HH1    HI1                 1.   HH1                -1.
    HI1HH1    OBJ                 .6
    HI2HH2    HI2                 1.   HH2                -1.
    HI2HH2    OBJ                .23
    HJ1HI1    HJ1                 1.   HI1                -1.
    HJ1HI1    OBJ                .57
    HJ2HI2    HJ2                 1.   HI2                -1.
    HJ2HI2    OBJ                .22
    HK1HJ1    HK1                 1.   HJ1                -1.
    HK1HJ1    OBJ                .58
    HK2HJ2    HK2                 1.   HJ2                -1.
    HK2HJ2    OBJ                .22
    HL1H21    HL1                 1.   H21                -1.
    HL1H21    OBJ                .61
    HL2H22    HL2                 1.   H22                -1.
    HL2H22    OBJ                .23
    HM1FX1    HM1                 1.   FX1                -1.
    HM1FX1    OBJ                .59
    HM2FX2    HM2                 1.   FX2                -1.
    HM2FX2    OBJ                .23
    HM1HN1    HM1                 1.   HN1                -1.
    HM1HN1    OBJ                .62
    HM2HN2    HM2                 1.   HN2                -1.
    HM2HN2    OBJ                .24
    HN1HM1    HN1                 1.   HM1                -1.
    HN1HM1    OBJ                .62
    HN2HM2    HN2                 1.   HM2                -1.
    HN2HM2    OBJ                .24
    HN1HP1    HN1                 1.   HP1                -1.
    HN1HP1    OBJ                .64
    HN2HP2    HN2                 1.   HP2                -1.
    HN2HP2    OBJ                .25
    HP1HN1    HP1                 1.   HN1                -1.
    HP1HN1    OBJ                .64
    HP2HN2    HP2                 1.   HN2                -1.
    HP2HN2    OBJ                .24
    HP1HQ1    HP1                 1.   HQ1                -1.
    HP1HQ1    OBJ                .63
    HP2HQ2    HP2                 1.   HQ2                -1.
    HP2HQ2    OBJ                .24
    HQ1HP1    HQ1                 1.   HP1                -1.
    HQ1HP1    OBJ                .59
    HQ2HP2    HQ2                 1.   HP2                -1.
    HQ2HP2    OBJ                .23
    HQ1HR1    HQ1                 1.   HR1                -1.
    HQ1HR1    OBJ                .57
    HQ2HR2    HQ2                 1.   HR2                -1.
    HQ2HR2    OBJ                .22
    HR1HQ1    HR1                 1.   HQ1                -1.
    HR1HQ1    OBJ                .57
    HR2HQ2    HR2                 1.   HQ2                -1.
    HR2HQ2    OBJ                .22
    HR1HS1    HR1                 1.   HS1                -1.
    HR1HS1    OBJ                .59
    HR2HS2    HR2                 1.   HS2                -1.
    HR2HS2    OBJ                .23
    HS1HR1    HS1                 1.   HR1                -1.
    HS1HR1    OBJ                .61
    HS2HR2    HS2                 1.   HR2                -1.
    HS2HR2    OBJ                .23
    HS1HT1    HS1                 1.   HT1                -1.
    HS1HT1    OBJ                .61
    HS2HT2    HS2                 1.   HT2                -1.
    HS2HT2    OBJ                .24
    HT1HS1    HT1                 1.   HS1                -1.
    HT1HS1    OBJ                .57
    HT2HS2    HT2                 1.   HS2                -1.
    HT2HS2    OBJ                .22
    HT1SQ1    HT1                 1.   SQ1                -1.
    HT1SQ1    OBJ                .71
    HT2SQ2    HT2                 1.   SQ2                -1.
    HT2SQ2    OBJ                .27
    HU1SR1    HU1                 1.   SR1                -1.
    HU1SR1    OBJ                .59
    HU2SR2    HU2                 1.   SR2                -1.
    HU2SR2    OBJ                .23
    HV1HW1    HV1                 1.   HW1                -1.
    HV1HW1    OBJ                .56
    HV2HW2    HV2                 1.   HW2                -1.
    HV2HW2    OBJ                .22
    HW1QA1    HW1                 1.   QA1                -1.
    HW1QA1    OBJ                .61
    HW2QA2    HW2                 1.   QA2                -1.
    HW2QA2    OBJ                .23
    HW1SN1    HW1                 1.   SN1                -1.
    HW1SN1    OBJ                .64
    HW2SN2    HW2                 1.   SN2                -1.
    HW2SN2    OBJ                .25
    HX1HY1    HX1                 1.   HY1                -1.
    HX1HY1    OBJ                .56
    HX2HY2    HX2                 1.   HY2                -1.
    HX2HY2    OBJ                .22
    HY1FV1    HY1                 1.   FV1                -1.
    HY1FV1    OBJ                .56
    HY2FV2    HY2                 1.   FV2                -1.
    HY2FV2    OBJ                .22
    HZ1FX1    HZ1                 1.   FX1                -1.
    HZ1FX1    OBJ                .56
    HZ2FX2    HZ2                 1.   FX2                -1.
    HZ2FX2    OBJ                .22
    H11HE1    H11                 1.   HE1                -1.
    H11HE1    OBJ                .57
    H12HE2    H12                 1.   HE2                -1.
    H12HE2    OBJ                .22
    H11IA1    H11                 1.   IA1                -1.
    H11IA1    OBJ                .55
    H12IA2    H12                 1.   IA2                -1.
    H12IA2    OBJ                .21
    H21JC1    H21                 1.   JC1                -1.
    H21JC1    OBJ                .74
    H22JC2    H22                 1.   JC2                -1.
    H22JC2    OBJ                .29
    IA1HD1    IA1                 1.   HD1                -1.
    IA1HD1    OBJ                .66
    IA2HD2    IA2                 1.   HD2                -1.
    IA2HD2    OBJ                .25
    JA1HK1    JA1                 1.   HK1                -1.
    JA1HK1    OBJ                .64
    JA2HK2    JA2                 1.   HK2                -1.
    JA2HK2    OBJ                .24
    JB1JA1    JB1                 1.   JA1                -1.
    JB1JA1    OBJ                .54
    JB2JA2    JB2                 1.   JA2                -1.
    JB2JA2    OBJ                .21
    JC1JB1    JC1                 1.   JB1                -1.
    JC1JB1    OBJ                .55
    JC2JB2    JC2                 1.   JB2                -1.
    JC2JB2    OBJ                .21
    KA1EU1    KA1                 1.   EU1                -1.
    KA1EU1    OBJ                .59
    KA2EU2    KA2                 1.   EU2                -1.
    KA2EU2    OBJ                .23
    KA1KB1    KA1                 1.   KB1                -1.
    KA1KB1    OBJ                .63
    KA2KB2    KA2                 1.   KB2                -1.
    KA2KB2    OBJ                .24
    KB1KA1    KB1                 1.   KA1                -1.
    KB1KA1    OBJ                .68
    KB2KA2    KB2                 1.   KA2                -1.
    KB2KA2    OBJ                .26
    KB1LA1    KB1                 1.   LA1                -1.
    KB1LA1    OBJ                .66
    KB2LA2    KB2                 1.   LA2                -1.
    KB2LA2    OBJ                .25
    KC1KD1    KC1                 1.   KD1                -1.
    KC1KD1    OBJ                .53
    KC2KD2    KC2                 1.   KD2                -1.
    KC2KD2    OBJ                .21
    KC1MA1    KC1                 1.   MA1                -1.
    KC1MA1    OBJ                .55
    KC2MA2    KC2                 1.   MA2                -1.
    KC2MA2    OBJ                .21
    KD1KC1    KD1                 1.   KC1                -1.
    KD1KC1    OBJ                .53
    KD2KC2    KD2                 1.   KC2                -1.
    KD2KC2    OBJ                 .2
    KD1KE1    KD1                 1.   KE1                -1.
    KD1KE1    OBJ                .59
    KD2KE2    KD2                 1.   KE2                -1.
    KD2KE2    OBJ                .23
    KE1F71    KE1                 1.   F71                -1.
    KE1F71    OBJ                .59
    KE2F72    KE2                 1.   F72                -1.
    KE2F72    OBJ                .23
    KE1KD1    KE1                 1.   KD1                -1.
    KE1KD1    OBJ                .59
    KE2KD2    KE2                 1.   KD2                -1.
    KE2KD2    OBJ                .23
    KF1MB1    KF1                 1.   MB1                -1.
    KF1MB1    OBJ                .64
    KF2MB2    KF2                 1.   MB2                -1.
    KF2MB2    OBJ                .24
    KG1MD1    KG1                 1.   MD1                -1.
    KG1MD1    OBJ                .59
    KG2MD2    KG2                 1.   MD2                -1.
    KG2MD2    OBJ                .23
    KH1F81    KH1                 1.   F81                -1.
    KH1F81    OBJ                .57
    KH2F82    KH2                 1.   F82                -1.
    KH2F82    OBJ                .22
    KH1PA1    KH1                 1.   PA1                -1.
    KH1PA1    OBJ                .64
    KH2PA2    KH2                 1.   PA2                -1.
    KH2PA2    OBJ                .24
    KI1EU1    KI1                 1.   EU1                -1.
    KI1EU1    OBJ                .59
    KI2EU2    KI2                 1.   EU2                -1.
    KI2EU2    OBJ                .23
    LA1F31    LA1                 1.   F31                -1.
    LA1F31    OBJ                .59
    LA2F32    LA2                 1.   F32                -1.
    LA2F32    OBJ                .23
    LA1KB1    LA1                 1.   KB1                -1.
    LA1KB1    OBJ                .74
    LA2KB2    LA2                 1.   KB2                -1.
    LA2KB2    OBJ                .29
    LB1KB1    LB1                 1.   KB1                -1.
    LB1KB1    OBJ                .64
    LB2KB2    LB2                 1.   KB2                -1.
    LB2KB2    OBJ                .25
    LC1LB1    LC1                 1.   LB1                -1.
    LC1LB1    OBJ                .53
    LC2LB2    LC2                 1.   LB2                -1.
    LC2LB2    OBJ                 .2
    MA1KC1    MA1                 1.   KC1                -1.
    MA1KC1    OBJ                .55
    MA2KC2    MA2                 1.   KC2                -1.
    MA2KC2    OBJ                .21
    MA1KI1    MA1                 1.   KI1                -1.
    MA1KI1    OBJ                 .6
    MA2KI2    MA2                 1.   KI2                -1.
    MA2KI2    OBJ                .23
    MB1MA1    MB1                 1.   MA1                -1.
    MB1MA1    OBJ                .58
    MB2MA2    MB2                 1.   MA2                -1.
    MB2MA2    OBJ                .22
    MC1MB1    MC1                 1.   MB1                -1.
    MC1MB1    OBJ                .52
    MC2MB2    MC2                 1.   MB2                -1.
    MC2MB2    OBJ                 .2
    MD1MC1    MD1                 1.   MC1                -1.
    MD1MC1    OBJ                .57
    MD2MC2    MD2                 1.   MC2                -1.
    MD2MC2    OBJ                .22
    NA1F51    NA1                 1.   F51                -1.
    NA1F51    OBJ                .67
    NA2F52    NA2                 1.   F52                -1.
    NA2F52    OBJ                .26
    NA1QA1    NA1                 1.   QA1                -1.
    NA1QA1    OBJ                .57
    NA2QA2    NA2                 1.   QA2                -1.
    NA2QA2    OBJ                .22
    NB1NC1    NB1                 1.   NC1                -1.
    NB1NC1    OBJ                .51
    NB2NC2    NB2                 1.   NC2                -1.
    NB2NC2    OBJ                .19
    NC1ND1    NC1                 1.   ND1                -1.
    NC1ND1    OBJ                .55
    NC2ND2    NC2                 1.   ND2                -1.
    NC2ND2    OBJ                .21
    NC1SL1    NC1                 1.   SL1                -1.
    NC1SL1    OBJ                .59
    NC2SL2    NC2                 1.   SL2                -1.
    NC2SL2    OBJ                .23
    ND1F91    ND1                 1.   F91                -1.
    ND1F91    OBJ                .61
    ND2F92    ND2                 1.   F92                -1.
    ND2F92    OBJ                .23
    PA1KH1    PA1                 1.   KH1                -1.
    PA1KH1    OBJ                .63
    PA2KH2    PA2                 1.   KH2                -1.
    PA2KH2    OBJ                .24
    PA1SK1    PA1                 1.   SK1                -1.
    PA1SK1    OBJ                .59
    PA2SK2    PA2                 1.   SK2                -1.
    PA2SK2    OBJ                .23
    QA1HW1    QA1                 1.   HW1                -1.
    QA1HW1    OBJ                .59
    QA2HW2    QA2                 1.   HW2                -1.
    QA2HW2    OBJ                .23
    QA1NA1    QA1                 1.   NA1                -1.
    QA1NA1    OBJ                .57
    QA2NA2    QA2                 1.   NA2                -1.
    QA2NA2    OBJ                .22
    QC1NB1    QC1                 1.   NB1                -1.
    QC1NB1    OBJ                .55
    QC2NB2    QC2                 1.   NB2                -1.
    QC2NB2    OBJ                .21
    RA1SS1    RA1                 1.   SS1                -1.
    RA1SS1    OBJ                .64
    RA2SS2    RA2                 1.   SS2                -1.
    RA2SS2    OBJ                .25
    RB1SW1    RB1                 1.   SW1                -1.
    RB1SW1    OBJ                 .6
    RB2SW2    RB2                 1.   SW2                -1.
    RB2SW2    OBJ                .23
    RC1RB1    RC1                 1.   RB1                -1.
    RC1RB1    OBJ                .57
    RC2RB2    RC2                 1.   RB2                -1.
    RC2RB2    OBJ                .22
    SA1KG1    SA1                 1.   KG1                -1.
    SA1KG1    OBJ                 .6
    SA2KG2    SA2                 1.   KG2                -1.
    SA2KG2    OBJ                .23
    SB1SA1    SB1                 1.   SA1                -1.
    SB1SA1    OBJ                .56
    SB2SA2    SB2                 1.   SA2                -1.
    SB2SA2    OBJ                .22
    SC1SB1    SC1                 1.   SB1                -1.
    SC1SB1    OBJ                .57
    SC2SB2    SC2                 1.   SB2                -1.
    SC2SB2    OBJ                .22
    SD1SC1    SD1                 1.   SC1                -1.
    SD1SC1    OBJ                .57
    SD2SC2    SD2                 1.   SC2                -1.
    SD2SC2    OBJ                .22
    SE1SC1    SE1                 1.   SC1                -1.
    SE1SC1    OBJ                .51
    SE2SC2    SE2                 1.   SC2                -1.
    SE2SC2    OBJ                 .2
    SF1SA1    SF1                 1.   SA1                -1.
    SF1SA1    OBJ                .59
    SF2SA2    SF2                 1.   SA2                -1.
    SF2SA2    OBJ                .23
    SG1SF1    SG1                 1.   SF1                -1.
    SG1SF1    OBJ                .57
    SG2SF2    SG2                 1.   SF2                -1.
    SG2SF2    OBJ                .22
    SH1SI1    SH1                 1.   SI1                -1.
    SH1SI1    OBJ                .57
    SH2SI2    SH2                 1.   SI2                -1.
    SH2SI2    OBJ                .22
    SH1TA1    SH1                 1.   TA1                -1.
    SH1TA1    OBJ                .68
    SH2TA2    SH2                 1.   TA2                -1.
    SH2TA2    OBJ                .26
    SI1SH1    SI1                 1.   SH1                -1.
    SI1SH1    OBJ                .57
    SI2SH2    SI2                 1.   SH2                -1.
    SI2SH2    OBJ                .22
    SI1SJ1    SI1                 1.   SJ1                -1.
    SI1SJ1    OBJ                .59
    SI2SJ2    SI2                 1.   SJ2                -1.
    SI2SJ2    OBJ                .23
    SJ1SI1    SJ1                 1.   SI1                -1.
    SJ1SI1    OBJ                .59
    SJ2SI2    SJ2                 1.   SI2                -1.
    SJ2SI2    OBJ                .23
    SJ1SK1    SJ1                 1.   SK1                -1.
    SJ1SK1    OBJ                .55
    SJ2SK2    SJ2                 1.   SK2                -1.
    SJ2SK2    OBJ                .21
    SK1PA1    SK1                 1.   PA1                -1.
    SK1PA1    OBJ                .59
    SK2PA2    SK2                 1.   PA2                -1.
    SK2PA2    OBJ                .23
    SK1SJ1    SK1                 1.   SJ1                -1.
    SK1SJ1    OBJ                .55
    SK2SJ2    SK2                 1.   SJ2                -1.
    SK2SJ2    OBJ                .21
    SK1SL1    SK1                 1.   SL1                -1.
    SK1SL1    OBJ                .56
    SK2SL2    SK2                 1.   SL2                -1.
    SK2SL2    OBJ                .22
    SL1NC1    SL1                 1.   NC1                -1.
    SL1NC1    OBJ                .56
    SL2NC2    SL2                 1.   NC2                -1.
    SL2NC2    OBJ                .22
    SL1SK1    SL1                 1.   SK1                -1.
    SL1SK1    OBJ                .58
    SL2SK2    SL2                 1.   SK2                -1.
    SL2SK2    OBJ                .22
    SM1SN1    SM1                 1.   SN1                -1.
    SM1SN1    OBJ                .59
    SM2SN2    SM2                 1.   SN2                -1.
    SM2SN2    OBJ                .23
    SM1TP1    SM1                 1.   TP1                -1.
    SM1TP1    OBJ                .59
    SM2TP2    SM2                 1.   TP2                -1.
    SM2TP2    OBJ                .23
    SN1HW1    SN1                 1.   HW1                -1.
    SN1HW1    OBJ                .65
    SN2HW2    SN2                 1.   HW2                -1.
    SN2HW2    OBJ                .25
    SN1SM1    SN1                 1.   SM1                -1.
    SN1SM1    OBJ                .59
    SN2SM2    SN2                 1.   SM2                -1.
    SN2SM2    OBJ                .23
    SN1SP1    SN1                 1.   SP1                -1.
    SN1SP1    OBJ                .59
    SN2SP2    SN2                 1.   SP2                -1.
    SN2SP2    OBJ                .23
    SP1SN1    SP1                 1.   SN1                -1.
    SP1SN1    OBJ                .63
    SP2SN2    SP2                 1.   SN2                -1.
    SP2SN2    OBJ                .24
    SP1SQ1    SP1                 1.   SQ1                -1.
    SP1SQ1    OBJ                .57
    SP2SQ2    SP2                 1.   SQ2                -1.
    SP2SQ2    OBJ                .22
    SQ1HT1    SQ1                 1.   HT1                -1.
    SQ1HT1    OBJ                .71
    SQ2HT2    SQ2                 1.   HT2                -1.
    SQ2HT2    OBJ                .27
    SQ1SP1    SQ1                 1.   SP1                -1.
    SQ1SP1    OBJ                .58
    SQ2SP2    SQ2                 1.   SP2                -1.
    SQ2SP2    OBJ                .22
    SR1RA1    SR1                 1.   RA1                -1.
    SR1RA1    OBJ                .57
    SR2RA2    SR2                 1.   RA2                -1.
    SR2RA2    OBJ                .22
    SS1ST1    SS1                 1.   ST1                -1.
    SS1ST1    OBJ                .59
    SS2ST2    SS2                 1.   ST2                -1.
    SS2ST2    OBJ                .23
    ST1SU1    ST1                 1.   SU1                -1.
    ST1SU1    OBJ                .67
    ST2SU2    ST2                 1.   SU2                -1.
    ST2SU2    OBJ                .26
    SU1TT1    SU1                 1.   TT1                -1.
    SU1TT1    OBJ                .64
    SU2TT2    SU2                 1.   TT2                -1.
    SU2TT2    OBJ                .25
    SV1TT1    SV1                 1.   TT1                -1.
    SV1TT1    OBJ                .66
    SV2TT2    SV2                 1.   TT2                -1.
    SV2TT2    OBJ                .26
    SW1YG1    SW1                 1.   YG1                -1.
    SW1YG1    OBJ                .59
    SW2YG2    SW2                 1.   YG2                -1.
    SW2YG2    OBJ                .23
    SX1SY1    SX1                 1.   SY1                -1.
    SX1SY1    OBJ                .51
    SX2SY2    SX2                 1.   SY2                -1.
    SX2SY2    OBJ                 .2
    SX1T11    SX1                 1.   T11                -1.
    SX1T11    OBJ                .79
    SX2T12    SX2                 1.   T12                -1.
    SX2T12    OBJ                 .3
    SY1SX1    SY1                 1.   SX1                -1.
    SY1SX1    OBJ                .51
    SY2SX2    SY2                 1.   SX2                -1.
    SY2SX2    OBJ                 .2
    SY1YK1    SY1                 1.   YK1                -1.
    SY1YK1    OBJ                .61
    SY2YK2    SY2                 1.   YK2                -1.
    SY2YK2    OBJ                .23
    SY1ZA1    SY1                 1.   ZA1                -1.
    SY1ZA1    OBJ                .55
    SY2ZA2    SY2                 1.   ZA2                -1.
    SY2ZA2    OBJ                .21
    TA1SH1    TA1                 1.   SH1                -1.
    TA1SH1    OBJ                .68
    TA2SH2    TA2                 1.   SH2                -1.
    TA2SH2    OBJ                .26
    TA1TB1    TA1                 1.   TB1                -1.
    TA1TB1    OBJ                .68
    TA2TB2    TA2                 1.   TB2                -1.
    TA2TB2    OBJ                .26
    TB1TA1    TB1                 1.   TA1                -1.
    TB1TA1    OBJ                .61
    TB2TA2    TB2                 1.   TA2                -1.
    TB2TA2    OBJ                .23
    TB1TC1    TB1                 1.   TC1                -1.
    TB1TC1    OBJ                 .6
    TB2TC2    TB2                 1.   TC2                -1.
    TB2TC2    OBJ                .23
    TC1TB1    TC1                 1.   TB1                -1.
    TC1TB1    OBJ                 .6
    TC2TB2    TC2                 1.   TB2                -1.
    TC2TB2    OBJ                .23
    TC1TD1    TC1                 1.   TD1                -1.
    TC1TD1    OBJ                 .6
    TC2TD2    TC2                 1.   TD2                -1.
    TC2TD2    OBJ                .23
    TD1TC1    TD1                 1.   TC1                -1.
    TD1TC1    OBJ                .64
    TD2TC2    TD2                 1.   TC2                -1.
    TD2TC2    OBJ                .24
    TD1XA1    TD1                 1.   XA1                -1.
    TD1XA1    OBJ                .62
    TD2XA2    TD2                 1.   XA2                -1.
    TD2XA2    OBJ                .24
    TE1XB1    TE1                 1.   XB1                -1.
    TE1XB1    OBJ                .55
    TE2XB2    TE2                 1.   XB2                -1.
    TE2XB2    OBJ                .21
    TF1TE1    TF1                 1.   TE1                -1.
    TF1TE1    OBJ                .55
    TF2TE2    TF2                 1.   TE2                -1.
    TF2TE2    OBJ                .21
    TG1TF1    TG1                 1.   TF1                -1.
    TG1TF1    OBJ                .61
    TG2TF2    TG2                 1.   TF2                -1.
    TG2TF2    OBJ                .23
    TH1TG1    TH1                 1.   TG1                -1.
    TH1TG1    OBJ                .58
    TH2TG2    TH2                 1.   TG2                -1.
    TH2TG2    OBJ                .22
    TI1TH1    TI1                 1.   TH1                -1.
    TI1TH1    OBJ                .56
    TI2TH2    TI2                 1.   TH2                -1.
    TI2TH2    OBJ                .22
    TJ1TI1    TJ1                 1.   TI1                -1.
    TJ1TI1    OBJ                .56
    TJ2TI2    TJ2                 1.   TI2                -1.
    TJ2TI2    OBJ                .22
    TK1TG1    TK1                 1.   TG1                -1.
    TK1TG1    OBJ                .65
    TK2TG2    TK2                 1.   TG2                -1.
    TK2TG2    OBJ                .25
    TL1TK1    TL1                 1.   TK1                -1.
    TL1TK1    OBJ                .72
    TL2TK2    TL2                 1.   TK2                -1.
    TL2TK2    OBJ                .28
    TM1TK1    TM1                 1.   TK1                -1.
    TM1TK1    OBJ                .54
    TM2TK2    TM2                 1.   TK2                -1.
    TM2TK2    OBJ                .21
    TN1TM1    TN1                 1.   TM1                -1.
    TN1TM1    OBJ                .68
    TN2TM2    TN2                 1.   TM2                -1.
    TN2TM2    OBJ                .26
    TP1SM1    TP1                 1.   SM1                -1.
    TP1SM1    OBJ                .57
    TP2SM2    TP2                 1.   SM2                -1.
    TP2SM2    OBJ                .22
    TP1TQ1    TP1                 1.   TQ1                -1.
    TP1TQ1    OBJ                .55
    TP2TQ2    TP2                 1.   TQ2                -1.
    TP2TQ2    OBJ                .21
    TQ1TP1    TQ1                 1.   TP1                -1.
    TQ1TP1    OBJ                .55
    TQ2TP2    TQ2                 1.   TP2                -1.
    TQ2TP2    OBJ                .21
    TQ1TR1    TQ1                 1.   TR1                -1.
    TQ1TR1    OBJ                .56
    TQ2TR2    TQ2                 1.   TR2                -1.
    TQ2TR2    OBJ                .22
    TR1TQ1    TR1                 1.   TQ1                -1.
    TR1TQ1    OBJ                .56
    TR2TQ2    TR2                 1.   TQ2                -1.
    TR2TQ2    OBJ                .22
    TR1TS1    TR1                 1.   TS1                -1.
    TR1TS1    OBJ                .53
    TR2TS2    TR2                 1.   TS2                -1.
    TR2TS2    OBJ                 .2
    TS1TR1    TS1                 1.   TR1                -1.
    TS1TR1    OBJ                .53
    TS2TR2    TS2                 1.   TR2                -1.
    TS2TR2    OBJ                 .2
    TS1TV1    TS1                 1.   TV1                -1.
    TS1TV1    OBJ                .77
    TS2TV2    TS2                 1.   TV2                -1.
    TS2TV2    OBJ                 .3
    TT1TU1    TT1                 1.   TU1                -1.
    TT1TU1    OBJ                .57
    TT2TU2    TT2                 1.   TU2                -1.
    TT2TU2    OBJ                .22
    TU1TV1    TU1                 1.   TV1                -1.
    TU1TV1    OBJ                .64
    TU2TV2    TU2                 1.   TV2                -1.
    TU2TV2    OBJ                .25
    TV1TS1    TV1                 1.   TS1                -1.
    TV1TS1    OBJ                .86
    TV2TS2    TV2                 1.   TS2                -1.
    TV2TS2    OBJ                .33
    TV1TW1    TV1                 1.   TW1                -1.
    TV1TW1    OBJ                .53
    TV2TW2    TV2                 1.   TW2                -1.
    TV2TW2    OBJ                .21
    TW1TV1    TW1                 1.   TV1                -1.
    TW1TV1    OBJ                .53
    TW2TV2    TW2                 1.   TV2                -1.
    TW2TV2    OBJ                 .2
    TW1TX1    TW1                 1.   TX1                -1.
    TW1TX1    OBJ                .61
    TW2TX2    TW2                 1.   TX2                -1.
    TW2TX2    OBJ                .24
    TX1TW1    TX1                 1.   TW1                -1.
    TX1TW1    OBJ                .59
    TX2TW2    TX2                 1.   TW2                -1.
    TX2TW2    OBJ                .23
    TX1TY1    TX1                 1.   TY1                -1.
    TX1TY1    OBJ                .59
    TX2TY2    TX2                 1.   TY2                -1.
    TX2TY2    OBJ                .23
    TY1TX1    TY1                 1.   TX1                -1.
    TY1TX1    OBJ                .59
    TY2TX2    TY2                 1.   TX2                -1.
    TY2TX2    OBJ                .23
    TY1TZ1    TY1                 1.   TZ1                -1.
    TY1TZ1    OBJ                .56
    TY2TZ2    TY2                 1.   TZ2                -1.
    TY2TZ2    OBJ                .22
    TZ1TY1    TZ1                 1.   TY1                -1.
    TZ1TY1    OBJ                .57
    TZ2TY2    TZ2                 1.   TY2                -1.
    TZ2TY2    OBJ                .22
    TZ1T11    TZ1                 1.   T11                -1.
    TZ1T11    OBJ                .57
    TZ2T12    TZ2                 1.   T12                -1.
    TZ2T12    OBJ                .22
    T11SX1    T11                 1.   SX1                -1.
    T11SX1    OBJ                .69
    T12SX2    T12                 1.   SX2                -1.
    T12SX2    OBJ                .27
    T11TZ1    T11                 1.   TZ1                -1.
    T11TZ1    OBJ                .55
    T12TZ2    T12                 1.   TZ2                -1.
    T12TZ2    OBJ                .21
    T11ZF1    T11                 1.   ZF1                -1.
    T11ZF1    OBJ                .73
    T12ZF2    T12                 1.   ZF2                -1.
    T12ZF2    OBJ                .28
    T21SX1    T21                 1.   SX1                -1.
    T21SX1    OBJ                .64
    T22SX2    T22                 1.   SX2                -1.
    T22SX2    OBJ                .25
    T31T41    T31                 1.   T41                -1.
    T31T41    OBJ                .51
    T32T42    T32                 1.   T42                -1.
    T32T42    OBJ                 .2
    T31X11    T31                 1.   X11                -1.
    T31X11    OBJ                .63
    T32X12    T32                 1.   X12                -1.
    T32X12    OBJ                .24
    T41T31    T41                 1.   T31                -1.
    T41T31    OBJ                .51
    T42T32    T42                 1.   T32                -1.
    T42T32    OBJ                 .2
    T41T71    T41                 1.   T71                -1.
    T41T71    OBJ                .54
    T42T72    T42                 1.   T72                -1.
    T42T72    OBJ                .21
    T51T41    T51                 1.   T41                -1.
    T51T41    OBJ                .61
    T52T42    T52                 1.   T42                -1.
    T52T42    OBJ                .23
    T61T51    T61                 1.   T51                -1.
    T61T51    OBJ                .51
    T62T52    T62                 1.   T52                -1.
    T62T52    OBJ                 .2
    T71T41    T71                 1.   T41                -1.
    T71T41    OBJ                .54
    T72T42    T72                 1.   T42                -1.
    T72T42    OBJ                .21
    T71X81    T71                 1.   X81                -1.
    T71X81    OBJ                .55
    T72X82    T72                 1.   X82                -1.
    T72X82    OBJ                .21
    UA1YS1    UA1                 1.   YS1                -1.
    UA1YS1    OBJ                .55
    UA2YS2    UA2                 1.   YS2                -1.
    UA2YS2    OBJ                .21
    VA1WA1    VA1                 1.   WA1                -1.
    VA1WA1    OBJ                .57
    VA2WA2    VA2                 1.   WA2                -1.
    VA2WA2    OBJ                .22
    WA1ZY1    WA1                 1.   ZY1                -1.
    WA1ZY1    OBJ                .56
    WA2ZY2    WA2                 1.   ZY2                -1.
    WA2ZY2    OBJ                .22
    WB1VA1    WB1                 1.   VA1                -1.
    WB1VA1    OBJ                .55
    WB2VA2    WB2                 1.   VA2                -1.
    WB2VA2    OBJ                .21
    WD1ZZ1    WD1                 1.   ZZ1                -1.
    WD1ZZ1    OBJ                .67
    WD2ZZ2    WD2                 1.   ZZ2                -1.
    WD2ZZ2    OBJ                .26
    WE1WD1    WE1                 1.   WD1                -1.
    WE1WD1    OBJ                .64
    WE2WD2    WE2                 1.   WD2                -1.
    WE2WD2    OBJ                .25
    XA1TD1    XA1                 1.   TD1                -1.
    XA1TD1    OBJ                .64
    XA2TD2    XA2                 1.   TD2                -1.
    XA2TD2    OBJ                .24
    XA1XC1    XA1                 1.   XC1                -1.
    XA1XC1    OBJ                .59
    XA2XC2    XA2                 1.   XC2                -1.
    XA2XC2    OBJ                .23
    XB1XA1    XB1                 1.   XA1                -1.
    XB1XA1    OBJ                .59
    XB2XA2    XB2                 1.   XA2                -1.
    XB2XA2    OBJ                .23
    XC1XA1    XC1                 1.   XA1                -1.
    XC1XA1    OBJ                .59
    XC2XA2    XC2                 1.   XA2                -1.
    XC2XA2    OBJ                .23
    XC1XD1    XC1                 1.   XD1                -1.
    XC1XD1    OBJ                .59
    XC2XD2    XC2                 1.   XD2                -1.
    XC2XD2    OBJ                .23
    XD1XC1    XD1                 1.   XC1                -1.
    XD1XC1    OBJ                 .7
    XD2XC2    XD2                 1.   XC2                -1.
    XD2XC2    OBJ                .27
    XD1XE1    XD1                 1.   XE1                -1.
    XD1XE1    OBJ                .55
    XD2XE2    XD2                 1.   XE2                -1.
    XD2XE2    OBJ                .21
    XE1XD1    XE1                 1.   XD1                -1.
    XE1XD1    OBJ                 .6
    XE2XD2    XE2                 1.   XD2                -1.
    XE2XD2    OBJ                .23
    XE1XF1    XE1                 1.   XF1                -1.
    XE1XF1    OBJ                .52
    XE2XF2    XE2                 1.   XF2                -1.
    XE2XF2    OBJ                 .2
    XE1XH1    XE1                 1.   XH1                -1.
    XE1XH1    OBJ                .57
    XE2XH2    XE2                 1.   XH2                -1.
    XE2XH2    OBJ                .22
    XF1XE1    XF1                 1.   XE1                -1.
    XF1XE1    OBJ                .52
    XF2XE2    XF2                 1.   XE2                -1.
    XF2XE2    OBJ                 .2
    XF1XG1    XF1                 1.   XG1                -1.
    XF1XG1    OBJ                .53
    XF2XG2    XF2                 1.   XG2                -1.
    XF2XG2    OBJ                .21
    XF1X31    XF1                 1.   X31                -1.
    XF1X31    OBJ                .77
    XF2X32    XF2                 1.   X32                -1.
    XF2X32    OBJ                 .3
    XG1XF1    XG1                 1.   XF1                -1.
    XG1XF1    OBJ                .53
    XG2XF2    XG2                 1.   XF2                -1.
    XG2XF2    OBJ                .21
    XG1XR1    XG1                 1.   XR1                -1.
    XG1XR1    OBJ                .57
    XG2XR2    XG2                 1.   XR2                -1.
    XG2XR2    OBJ                .22
    XH1XE1    XH1                 1.   XE1                -1.
    XH1XE1    OBJ                .57
    XH2XE2    XH2                 1.   XE2                -1.
    XH2XE2    OBJ                .22
    XH1XI1    XH1                 1.   XI1                -1.
    XH1XI1    OBJ                .62
    XH2XI2    XH2                 1.   XI2                -1.
    XH2XI2    OBJ                .24
    XH1XR1    XH1                 1.   XR1                -1.
    XH1XR1    OBJ                .62
    XH2XR2    XH2                 1.   XR2                -1.
    XH2XR2    OBJ                .24
    XI1XH1    XI1                 1.   XH1                -1.
    XI1XH1    OBJ                .61
    XI2XH2    XI2                 1.   XH2                -1.
    XI2XH2    OBJ                .23
    XI1XJ1    XI1                 1.   XJ1                -1.
    XI1XJ1    OBJ                .59
    XI2XJ2    XI2                 1.   XJ2                -1.
    XI2XJ2    OBJ                .23
    XJ1DZ1    XJ1                 1.   DZ1                -1.
    XJ1DZ1    OBJ              13.01
    XJ2DZ2    XJ2                 1.   DZ2                -1.
    XJ2DZ2    OBJ               5.02
    XJ1XI1    XJ1                 1.   XI1                -1.
    XJ1XI1    OBJ                .59
    XJ2XI2    XJ2                 1.   XI2                -1.
    XJ2XI2    OBJ                .23
    XK1XJ1    XK1                 1.   XJ1                -1.
    XK1XJ1    OBJ                .64
    XK2XJ2    XK2                 1.   XJ2                -1.
    XK2XJ2    OBJ                .25
    XL1XK1    XL1                 1.   XK1                -1.
    XL1XK1    OBJ                .72
    XL2XK2    XL2                 1.   XK2                -1.
    XL2XK2    OBJ                .28
    XM1XL1    XM1                 1.   XL1                -1.
    XM1XL1    OBJ                .57
    XM2XL2    XM2                 1.   XL2                -1.
    XM2XL2    OBJ                .22
    XN1XM1    XN1                 1.   XM1                -1.
    XN1XM1    OBJ                .61
    XN2XM2    XN2                 1.   XM2                -1.
    XN2XM2    OBJ                .23
    XP1XN1    XP1                 1.   XN1                -1.
    XP1XN1    OBJ                .59
    XP2XN2    XP2                 1.   XN2                -1.
    XP2XN2    OBJ                .23
    XP1XU1    XP1                 1.   XU1                -1.
    XP1XU1    OBJ                .82
    XP2XU2    XP2                 1.   XU2                -1.
    XP2XU2    OBJ                .32
    XQ1XP1    XQ1                 1.   XP1                -1.
    XQ1XP1    OBJ                .61
    XQ2XP2    XQ2                 1.   XP2                -1.
    XQ2XP2    OBJ                .23
    XR1XG1    XR1                 1.   XG1                -1.
    XR1XG1    OBJ                .57
    XR2XG2    XR2                 1.   XG2                -1.
    XR2XG2    OBJ                .22
    XR1XH1    XR1                 1.   XH1                -1.
    XR1XH1    OBJ                .62
    XR2XH2    XR2                 1.   XH2                -1.
    XR2XH2    OBJ                .24
    XR1XS1    XR1                 1.   XS1                -1.
    XR1XS1    OBJ                .57
    XR2XS2    XR2                 1.   XS2                -1.
    XR2XS2    OBJ                .22
    XR1XV1    XR1                 1.   XV1                -1.
    XR1XV1    OBJ                .57
    XR2XV2    XR2                 1.   XV2                -1.
    XR2XV2    OBJ                .22
    XS1XR1    XS1                 1.   XR1                -1.
    XS1XR1    OBJ                .57
    XS2XR2    XS2                 1.   XR2                -1.
    XS2XR2    OBJ                .22
    XS1XT1    XS1                 1.   XT1                -1.
    XS1XT1    OBJ                .61
    XS2XT2    XS2                 1.   XT2                -1.
    XS2XT2    OBJ                .23
    XT1XS1    XT1                 1.   XS1                -1.
    XT1XS1    OBJ                .61
    XT2XS2    XT2                 1.   XS2                -1.
    XT2XS2    OBJ                .23
    XT1XU1    XT1                 1.   XU1                -1.
    XT1XU1    OBJ                .59
    XT2XU2    XT2                 1.   XU2                -1.
    XT2XU2    OBJ                .23
    XT1ZV1    XT1                 1.   ZV1                -1.
    XT1ZV1    OBJ                .66
    XT2ZV2    XT2                 1.   ZV2                -1.
    XT2ZV2    OBJ                .26
    XU1XP1    XU1                 1.   XP1                -1.
    XU1XP1    OBJ                .74
    XU2XP2    XU2                 1.   XP2                -1.
    XU2XP2    OBJ                .29
    XU1XT1    XU1                 1.   XT1                -1.
    XU1XT1    OBJ                .59
    XU2XT2    XU2                 1.   XT2                -1.
    XU2XT2    OBJ                .23
    XV1XR1    XV1                 1.   XR1                -1.
    XV1XR1    OBJ                .57
    XV2XR2    XV2                 1.   XR2                -1.
    XV2XR2    OBJ                .22
    XV1XW1    XV1                 1.   XW1                -1.
    XV1XW1    OBJ                .68
    XV2XW2    XV2                 1.   XW2                -1.
    XV2XW2    OBJ                .26
    XV1X21    XV1                 1.   X21                -1.
    XV1X21    OBJ                .61
    XV2X22    XV2                 1.   X22                -1.
    XV2X22    OBJ                .23
    XW1XV1    XW1                 1.   XV1                -1.
    XW1XV1    OBJ                .61
    XW2XV2    XW2                 1.   XV2                -1.
    XW2XV2    OBJ                .23
    XW1ZQ1    XW1                 1.   ZQ1                -1.
    XW1ZQ1    OBJ                .61
    XW2ZQ2    XW2                 1.   ZQ2                -1.
    XW2ZQ2    OBJ                .24
    XX1XW1    XX1                 1.   XW1                -1.
    XX1XW1    OBJ                .59
    XX2XW2    XX2                 1.   XW2                -1.
    XX2XW2    OBJ                .23
    XY1XX1    XY1                 1.   XX1                -1.
    XY1XX1    OBJ                .53
    XY2XX2    XY2                 1.   XX2                -1.
    XY2XX2    OBJ                 .2
    X11T31    X11                 1.   T31                -1.
    X11T31    OBJ                .68
    X12T32    X12                 1.   T32                -1.
    X12T32    OBJ                .26
    X11X21    X11                 1.   X21                -1.
    X11X21    OBJ                .59
    X12X22    X12                 1.   X22                -1.
    X12X22    OBJ                .23
    X21XV1    X21                 1.   XV1                -1.
    X21XV1    OBJ                .65
    X22XV2    X22                 1.   XV2                -1.
    X22XV2    OBJ                .25
    X21X11    X21                 1.   X11                -1.
    X21X11    OBJ                .59
    X22X12    X22                 1.   X12                -1.
    X22X12    OBJ                .23
    X21ZK1    X21                 1.   ZK1                -1.
    X21ZK1    OBJ                .59
    X22ZK2    X22                 1.   ZK2                -1.
    X22ZK2    OBJ                .23
    X31XF1    X31                 1.   XF1                -1.
    X31XF1    OBJ                .74
    X32XF2    X32                 1.   XF2                -1.
    X32XF2    OBJ                .29
    X31X81    X31                 1.   X81                -1.
    X31X81    OBJ                .52
    X32X82    X32                 1.   X82                -1.
    X32X82    OBJ                 .2
    X81T71    X81                 1.   T71                -1.
    X81T71    OBJ                .55
    X82T72    X82                 1.   T72                -1.
    X82T72    OBJ                .21
    X81X31    X81                 1.   X31                -1.
    X81X31    OBJ                .53
    X82X32    X82                 1.   X32                -1.
    X82X32    OBJ                .21
    YA1HL1    YA1                 1.   HL1                -1.
    YA1HL1    OBJ                .64
    YA2HL2    YA2                 1.   HL2                -1.
    YA2HL2    OBJ                .25
    YB1HL1    YB1                 1.   HL1                -1.
    YB1HL1    OBJ                .64
    YB2HL2    YB2                 1.   HL2                -1.
    YB2HL2    OBJ                .24
    YC1YB1    YC1                 1.   YB1                -1.
    YC1YB1    OBJ                .55
    YC2YB2    YC2                 1.   YB2                -1.
    YC2YB2    OBJ                .21
    YD1YC1    YD1                 1.   YC1                -1.
    YD1YC1    OBJ                .57
    YD2YC2    YD2                 1.   YC2                -1.
    YD2YC2    OBJ                .22
    YE1YD1    YE1                 1.   YD1                -1.
    YE1YD1    OBJ                .59
    YE2YD2    YE2                 1.   YD2                -1.
    YE2YD2    OBJ                .23
    YF1YG1    YF1                 1.   YG1                -1.
    YF1YG1    OBJ                .51
    YF2YG2    YF2                 1.   YG2                -1.
    YF2YG2    OBJ                 .2
    YF1YK1    YF1                 1.   YK1                -1.
    YF1YK1    OBJ                .79
    YF2YK2    YF2                 1.   YK2                -1.
    YF2YK2    OBJ                 .3
    YG1YF1    YG1                 1.   YF1                -1.
    YG1YF1    OBJ                .55
    YG2YF2    YG2                 1.   YF2                -1.
    YG2YF2    OBJ                .21
    YG1YH1    YG1                 1.   YH1                -1.
    YG1YH1    OBJ                .62
    YG2YH2    YG2                 1.   YH2                -1.
    YG2YH2    OBJ                .24
    YH1YG1    YH1                 1.   YG1                -1.
    YH1YG1    OBJ                .69
    YH2YG2    YH2                 1.   YG2                -1.
    YH2YG2    OBJ                .27
    YH1YI1    YH1                 1.   YI1                -1.
    YH1YI1    OBJ                .58
    YH2YI2    YH2                 1.   YI2                -1.
    YH2YI2    OBJ                .22
    YI1YH1    YI1                 1.   YH1                -1.
    YI1YH1    OBJ                .68
    YI2YH2    YI2                 1.   YH2                -1.
    YI2YH2    OBJ                .26
    YI1YJ1    YI1                 1.   YJ1                -1.
    YI1YJ1    OBJ                .69
    YI2YJ2    YI2                 1.   YJ2                -1.
    YI2YJ2    OBJ                .27
    YJ1YI1    YJ1                 1.   YI1                -1.
    YJ1YI1    OBJ                 .9
    YJ2YI2    YJ2                 1.   YI2                -1.
    YJ2YI2    OBJ                .35
    YJ1YZ1    YJ1                 1.   YZ1                -1.
    YJ1YZ1    OBJ                .61
    YJ2YZ2    YJ2                 1.   YZ2                -1.
    YJ2YZ2    OBJ                .23
    YK1SY1    YK1                 1.   SY1                -1.
    YK1SY1    OBJ                .72
    YK2SY2    YK2                 1.   SY2                -1.
    YK2SY2    OBJ                .28
    YK1YF1    YK1                 1.   YF1                -1.
    YK1YF1    OBJ                .64
    YK2YF2    YK2                 1.   YF2                -1.
    YK2YF2    OBJ                .25
    YL1YF1    YL1                 1.   YF1                -1.
    YL1YF1    OBJ                .57
    YL2YF2    YL2                 1.   YF2                -1.
    YL2YF2    OBJ                .22
    YM1YL1    YM1                 1.   YL1                -1.
    YM1YL1    OBJ                .58
    YM2YL2    YM2                 1.   YL2                -1.
    YM2YL2    OBJ                .22
    YN1YM1    YN1                 1.   YM1                -1.
    YN1YM1    OBJ                .59
    YN2YM2    YN2                 1.   YM2                -1.
    YN2YM2    OBJ                .23
    YP1YN1    YP1                 1.   YN1                -1.
    YP1YN1    OBJ                .54
    YP2YN2    YP2                 1.   YN2                -1.
    YP2YN2    OBJ                .21
    YQ1YM1    YQ1                 1.   YM1                -1.
    YQ1YM1    OBJ                .66
    YQ2YM2    YQ2                 1.   YM2                -1.
    YQ2YM2    OBJ                .25
    YR1ZE1    YR1                 1.   ZE1                -1.
    YR1ZE1    OBJ                .64
    YR2ZE2    YR2                 1.   ZE2                -1.
    YR2ZE2    OBJ                .25
    YS1YR1    YS1                 1.   YR1                -1.
    YS1YR1    OBJ                .55
    YS2YR2    YS2                 1.   YR2                -1.
    YS2YR2    OBJ                .21
    YT1YS1    YT1                 1.   YS1                -1.
    YT1YS1    OBJ                .55
    YT2YS2    YT2                 1.   YS2                -1.
    YT2YS2    OBJ                .21
    YU1WE1    YU1                 1.   WE1                -1.
    YU1WE1    OBJ                .65
    YU2WE2    YU2                 1.   WE2                -1.
    YU2WE2    OBJ                .25
    YZ1HA1    YZ1                 1.   HA1                -1.
    YZ1HA1    OBJ               1.88
    YZ2HA2    YZ2                 1.   HA2                -1.
    YZ2HA2    OBJ                .72
    ZA1SY1    ZA1                 1.   SY1                -1.
    ZA1SY1    OBJ                .55
    ZA2SY2    ZA2                 1.   SY2                -1.
    ZA2SY2    OBJ                .21
    ZA1ZB1    ZA1                 1.   ZB1                -1.
    ZA1ZB1    OBJ                .56
    ZA2ZB2    ZA2                 1.   ZB2                -1.
    ZA2ZB2    OBJ                .22
    ZB1ZA1    ZB1                 1.   ZA1                -1.
    ZB1ZA1    OBJ                .56
    ZB2ZA2    ZB2                 1.   ZA2                -1.
    ZB2ZA2    OBJ                .22
    ZB1ZC1    ZB1                 1.   ZC1                -1.
    ZB1ZC1    OBJ                .55
    ZB2ZC2    ZB2                 1.   ZC2                -1.
    ZB2ZC2    OBJ                .21
    ZC1ZB1    ZC1                 1.   ZB1                -1.
    ZC1ZB1    OBJ                .55
    ZC2ZB2    ZC2                 1.   ZB2                -1.
    ZC2ZB2    OBJ                .21
    ZC1ZD1    ZC1                 1.   ZD1                -1.
    ZC1ZD1    OBJ                .62
    ZC2ZD2    ZC2                 1.   ZD2                -1.
    ZC2ZD2    OBJ                .24
    ZD1ZC1    ZD1                 1.   ZC1                -1.
    ZD1ZC1    OBJ                .62
    ZD2ZC2    ZD2                 1.   ZC2                -1.
    ZD2ZC2    OBJ                .24
    ZD1ZE1    ZD1                 1.   ZE1                -1.
    ZD1ZE1    OBJ                .59
    ZD2ZE2    ZD2                 1.   ZE2                -1.
    ZD2ZE2    OBJ                .23
    ZE1ZD1    ZE1                 1.   ZD1                -1.
    ZE1ZD1    OBJ                .59
    ZE2ZD2    ZE2                 1.   ZD2                -1.
    ZE2ZD2    OBJ                .23
    ZE1ZJ1    ZE1                 1.   ZJ1                -1.
    ZE1ZJ1    OBJ                .75
    ZE2ZJ2    ZE2                 1.   ZJ2                -1.
    ZE2ZJ2    OBJ                .29
    ZF1T11    ZF1                 1.   T11                -1.
    ZF1T11    OBJ                .62
    ZF2T12    ZF2                 1.   T12                -1.
    ZF2T12    OBJ                .24
    ZF1ZK1    ZF1                 1.   ZK1                -1.
    ZF1ZK1    OBJ                .67
    ZF2ZK2    ZF2                 1.   ZK2                -1.
    ZF2ZK2    OBJ                .26
    ZG1ZF1    ZG1                 1.   ZF1                -1.
    ZG1ZF1    OBJ                .59
    ZG2ZF2    ZG2                 1.   ZF2                -1.
    ZG2ZF2    OBJ                .23
    ZH1ZG1    ZH1                 1.   ZG1                -1.
    ZH1ZG1    OBJ                .55
    ZH2ZG2    ZH2                 1.   ZG2                -1.
    ZH2ZG2    OBJ                .21
    ZI1ZH1    ZI1                 1.   ZH1                -1.
    ZI1ZH1    OBJ                .59
    ZI2ZH2    ZI2                 1.   ZH2                -1.
    ZI2ZH2    OBJ                .23
    ZJ1ZI1    ZJ1                 1.   ZI1                -1.
    ZJ1ZI1    OBJ                .57
    ZJ2ZI2    ZJ2                 1.   ZI2                -1.
    ZJ2ZI2    OBJ                .22
    ZK1X21    ZK1                 1.   X21                -1.
    ZK1X21    OBJ                .66
    ZK2X22    ZK2                 1.   X22                -1.
    ZK2X22    OBJ                .25
    ZK1ZF1    ZK1                 1.   ZF1                -1.
    ZK1ZF1    OBJ                .59
    ZK2ZF2    ZK2                 1.   ZF2                -1.
    ZK2ZF2    OBJ                .23
    ZL1XY1    ZL1                 1.   XY1                -1.
    ZL1XY1    OBJ                .53
    ZL2XY2    ZL2                 1.   XY2                -1.
    ZL2XY2    OBJ                 .2
    ZM1ZP1    ZM1                 1.   ZP1                -1.
    ZM1ZP1    OBJ                .57
    ZM2ZP2    ZM2                 1.   ZP2                -1.
    ZM2ZP2    OBJ                .22
    ZP1ZQ1    ZP1                 1.   ZQ1                -1.
    ZP1ZQ1    OBJ                .55
    ZP2ZQ2    ZP2                 1.   ZQ2                -1.
    ZP2ZQ2    OBJ                .21
    ZQ1XW1    ZQ1                 1.   XW1                -1.
    ZQ1XW1    OBJ                .57
    ZQ2XW2    ZQ2                 1.   XW2                -1.
    ZQ2XW2    OBJ                .22
    ZQ1ZR1    ZQ1                 1.   ZR1                -1.
    ZQ1ZR1    OBJ                .55
    ZQ2ZR2    ZQ2                 1.   ZR2                -1.
    ZQ2ZR2    OBJ                .21
    ZR1ZQ1    ZR1                 1.   ZQ1                -1.
    ZR1ZQ1    OBJ                .54
    ZR2ZQ2    ZR2                 1.   ZQ2                -1.
    ZR2ZQ2    OBJ                .21
    ZR1ZS1    ZR1                 1.   ZS1                -1.
    ZR1ZS1    OBJ                .51
    ZR2ZS2    ZR2                 1.   ZS2                -1.
    ZR2ZS2    OBJ                 .2
    ZS1ZR1    ZS1                 1.   ZR1                -1.
    ZS1ZR1    OBJ                .51
    ZS2ZR2    ZS2                 1.   ZR2                -1.
    ZS2ZR2    OBJ                 .2
    ZS1ZT1    ZS1                 1.   ZT1                -1.
    ZS1ZT1    OBJ                .55
    ZS2ZT2    ZS2                 1.   ZT2                -1.
    ZS2ZT2    OBJ                .21
    ZT1ZS1    ZT1                 1.   ZS1                -1.
    ZT1ZS1    OBJ                .59
    ZT2ZS2    ZT2                 1.   ZS2                -1.
    ZT2ZS2    OBJ                .23
    ZT1ZU1    ZT1                 1.   ZU1                -1.
    ZT1ZU1    OBJ                .64
    ZT2ZU2    ZT2                 1.   ZU2                -1.
    ZT2ZU2    OBJ                .25
    ZU1ZT1    ZU1                 1.   ZT1                -1.
    ZU1ZT1    OBJ                .66
    ZU2ZT2    ZU2                 1.   ZT2                -1.
    ZU2ZT2    OBJ                .26
    ZU1ZV1    ZU1                 1.   ZV1                -1.
    ZU1ZV1    OBJ                .54
    ZU2ZV2    ZU2                 1.   ZV2                -1.
    ZU2ZV2    OBJ                .21
    ZV1XT1    ZV1                 1.   XT1                -1.
    ZV1XT1    OBJ                .64
    ZV2XT2    ZV2                 1.   XT2                -1.
    ZV2XT2    OBJ                .25
    ZV1ZU1    ZV1                 1.   ZU1                -1.
    ZV1ZU1    OBJ                .55
    ZV2ZU2    ZV2                 1.   ZU2                -1.
    ZV2ZU2    OBJ                .21
    ZW1XQ1    ZW1                 1.   XQ1                -1.
    ZW1XQ1    OBJ                .56
    ZW2XQ2    ZW2                 1.   XQ2                -1.
    ZW2XQ2    OBJ                .22
    ZX1ZW1    ZX1                 1.   ZW1                -1.
    ZX1ZW1    OBJ                .64
    ZX2ZW2    ZX2                 1.   ZW2                -1.
    ZX2ZW2    OBJ                .24
    ZY1ZX1    ZY1                 1.   ZX1                -1.
    ZY1ZX1    OBJ                .67
    ZY2ZX2    ZY2                 1.   ZX2                -1.
    ZY2ZX2    OBJ                .26
    ZZ1Z11    ZZ1                 1.   Z11                -1.
    ZZ1Z11    OBJ                .63
    ZZ2Z12    ZZ2                 1.   Z12                -1.
    ZZ2Z12    OBJ                .24
    Z11Z21    Z11                 1.   Z21                -1.
    Z11Z21    OBJ                .63
    Z12Z22    Z12                 1.   Z22                -1.
    Z12Z22    OBJ                .24
    Z21XQ1    Z21                 1.   XQ1                -1.
    Z21XQ1    OBJ                .81
    Z22XQ2    Z22                 1.   XQ2                -1.
    Z22XQ2    OBJ                .31
    P1AG      AG1            -640.25   AG2            -640.25
    P1AG      OBJ            57033.5
    P1AF      AF1            -640.25   AF2            -640.25
    P1AF      PAF             640.25   OBJ            57033.5
    P2AF      AF1            -1095.2   AF2            -1095.2
    P2AF      PAF             1095.2   OBJ           82048.87
    P1BB      BB1            -640.25   BB2            -640.25
    P1BB      OBJ            57033.5
    P1CE      CE1            -640.25   CE2            -640.25
    P1CE      OBJ            57033.5
    P1CF      CF1            -640.25   CF2            -640.25
    P1CF      OBJ            57033.5
    P1CG      CG1            -640.25   CG2            -640.25
    P1CG      OBJ            57033.5
    P1EV      EV1            -640.25   EV2            -640.25
    P1EV      OBJ            57033.5
    P1EB      EB1            -640.25   EB2            -640.25
    P1EB      OBJ            57033.5
    P1EE      EE1              -505.   EE2              -505.
    P1EE      PEE               505.   OBJ           48148.35
    P2EE      EE1            -711.75   EE2            -711.75
    P2EE      PEE             711.75   OBJ           52489.75
    P3EE      EE1            -782.92   EE2            -782.92
    P3EE      PEE             782.92   OBJ            57033.5
    P4EE      EE1            -861.21   EE2            -861.21
    P4EE      PEE             861.21   OBJ           62640.19
    P5EE      EE1            -947.33   EE2            -947.33
    P5EE      PEE             947.33   OBJ           69997.95
    P6EE      EE1           -1095.19   EE2           -1095.19
    P6EE      PEE            1095.19   OBJ           82048.87
    P1EG      EG1            -640.25   EG2            -640.25
    P1EG      OBJ            57033.5
    P1EH      EH1              -505.   EH2              -505.
    P1EH      PEH               505.   OBJ           48148.35
    P2EH      EH1            -711.75   EH2            -711.75
    P2EH      PEH             711.75   OBJ           52489.75
    P3EH      EH1            -782.92   EH2            -782.92
    P3EH      PEH             782.92   OBJ            57033.5
    P4EH      EH1            -861.21   EH2            -861.21
    P4EH      PEH             861.21   OBJ           62640.19
    P5EH      EH1            -947.33   EH2            -947.33
    P5EH      PEH             947.33   OBJ           69997.95
    P6EH      EH1           -1095.19   EH2           -1095.19
    P6EH      PEH            1095.19   OBJ           82048.87
    P1EK      EK1            -640.25   EK2            -640.25
    P1EK      PEK             640.25   OBJ            57033.5
    P2EK      EK1            -1095.2   EK2            -1095.2
    P2EK      PEK             1095.2   OBJ           82048.87
    P1EM      EM1            -640.25   EM2            -640.25
    P1EM      PEM             640.25   OBJ            57033.5
    P2EM      EM1            -1095.2   EM2            -1095.2
    P2EM      PEM             1095.2   OBJ           82048.87
    P1EN      EN1            -640.25   EN2            -640.25
    P1EN      PEN             640.25   OBJ            57033.5
    P2EN      EN1            -1095.2   EN2            -1095.2
    P2EN      PEN             1095.2   OBJ           82048.87
    P1EQ      EQ1            -640.25   EQ2            -640.25
    P1EQ      PEQ             640.25   OBJ            57033.5
    P2EQ      EQ1            -1095.2   EQ2            -1095.2
    P2EQ      PEQ             1095.2   OBJ           82048.87
    P1EU      EU1              -505.   EU2              -505.
    P1EU      PEU               505.   OBJ           48148.35
    P2EU      EU1            -711.75   EU2            -711.75
    P2EU      PEU             711.75   OBJ           52489.75
    P3EU      EU1            -782.92   EU2            -782.92
    P3EU      PEU             782.92   OBJ            57033.5
    P4EU      EU1            -861.21   EU2            -861.21
    P4EU      PEU             861.21   OBJ           62640.19
    P5EU      EU1            -947.33   EU2            -947.33
    P5EU      PEU             947.33   OBJ           69997.95
    P6EU      EU1           -1095.19   EU2           -1095.19
    P6EU      PEU            1095.19   OBJ           82048.87
    P1EW      EW1            -711.75   EW2            -711.75
    P1EW      PEW             711.75   OBJ           52489.75
    P2EW      EW1            -782.92   EW2            -782.92
    P2EW      PEW             782.92   OBJ            57033.5
    P3EW      EW1            -861.21   EW2            -861.21
    P3EW      PEW             861.21   OBJ           62640.19
    P4EW      EW1           -1095.19   EW2           -1095.19
    P4EW      PEW            1095.19   OBJ           82048.87
    P1ET      ET1            -640.25   ET2            -640.25
    P1ET      PET             640.25   OBJ            57033.5
    P2ET      ET1            -1095.2   ET2            -1095.2
    P2ET      PET             1095.2   OBJ           82048.87
    P1ES      ES1              -505.   ES2              -505.
    P1ES      PES               505.   OBJ           48148.35
    P2ES      ES1            -711.75   ES2            -711.75
    P2ES      PES             711.75   OBJ           52489.75
    P3ES      ES1            -782.92   ES2            -782.92
    P3ES      PES             782.92   OBJ            57033.5
    P4ES      ES1            -861.21   ES2            -861.21
    P4ES      PES             861.21   OBJ           62640.19
    P5ES      ES1            -947.33   ES2            -947.33
    P5ES      PES             947.33   OBJ           69997.95
    P6ES      ES1           -1095.19   ES2           -1095.19
    P6ES      PES            1095.19   OBJ           82048.87
    P1FO      FO1            -640.25   FO2            -640.25
    P1FO      OBJ            57033.5
    P1FL      FL1            -640.25   FL2            -640.25
    P1FL      PFL             640.25   OBJ            57033.5
    P2FL      FL1            -1095.2   FL2            -1095.2
    P2FL      PFL             1095.2   OBJ           82048.87
    P1FU      FU1            -640.25   FU2            -640.25
    P1FU      OBJ            57033.5
    P1FN      FN1            -640.25   FN2            -640.25
    P1FN      OBJ            57033.5
    P1FH      FH1            -640.25   FH2            -640.25
    P1FH      OBJ            57033.5
    P1FJ      FJ1            -640.25   FJ2            -640.25
    P1FJ      OBJ            57033.5
    P1FM      FM1            -640.25   FM2            -640.25
    P1FM      OBJ            57033.5
    P1FT      FT1            -640.25   FT2            -640.25
    P1FT      OBJ            57033.5
    P1FR      FR1            -640.25   FR2            -640.25
    P1FR      OBJ            57033.5
    P1FV      FV1            -711.75   FV2            -711.75
    P1FV      PFV             711.75   OBJ           52489.75
    P2FV      FV1            -782.92   FV2            -782.92
    P2FV      PFV             782.92   OBJ            57033.5
    P3FV      FV1            -861.21   FV2            -861.21
    P3FV      PFV             861.21   OBJ           62640.19
    P4FV      FV1           -1095.19   FV2           -1095.19
    P4FV      PFV            1095.19   OBJ           82048.87
    P1FX      FX1            -640.25   FX2            -640.25
    P1FX      PFX             640.25   OBJ            57033.5
    P2FX      FX1            -1095.2   FX2            -1095.2
    P2FX      PFX             1095.2   OBJ           82048.87
    P1FW      FW1            -640.25   FW2            -640.25
    P1FW      OBJ            57033.5
    P1FS      FS1            -711.75   FS2            -711.75
    P1FS      PFS             711.75   OBJ           52489.75
    P2FS      FS1            -782.92   FS2            -782.92
    P2FS      PFS             782.92   OBJ            57033.5
    P3FS      FS1            -861.21   FS2            -861.21
    P3FS      PFS             861.21   OBJ           62640.19
    P4FS      FS1           -1095.19   FS2           -1095.19
    P4FS      PFS            1095.19   OBJ           82048.87
    P1FZ      FZ1            -640.25   FZ2            -640.25
    P1FZ      PFZ             640.25   OBJ            57033.5
    P2FZ      FZ1            -1095.2   FZ2            -1095.2
    P2FZ      PFZ             1095.2   OBJ           82048.87
    P1F2      F21            -640.25   F22            -640.25
    P1F2      PF2             640.25   OBJ            57033.5
    P2F2      F21            -1095.2   F22            -1095.2
    P2F2      PF2             1095.2   OBJ           82048.87
    P1F3      F31            -640.25   F32            -640.25
    P1F3      OBJ            57033.5
    P1F8      F81            -640.25   F82            -640.25
    P1F8      PF8             640.25   OBJ            57033.5
    P2F8      F81            -1095.2   F82            -1095.2
    P2F8      PF8             1095.2   OBJ           82048.87
    P1GA      GA1            -640.25   GA2            -640.25
    P1GA      OBJ            57033.5
    P1GB      GB1            -640.25   GB2            -640.25
    P1GB      PGB             640.25   OBJ            57033.5
    P2GB      GB1            -1095.2   GB2            -1095.2
    P2GB      PGB             1095.2   OBJ           82048.87
    P1GC      GC1            -640.25   GC2            -640.25
    P1GC      OBJ            57033.5
    P1HB      HB1            -711.75   HB2            -711.75
    P1HB      PHB             711.75   OBJ           52489.75
    P2HB      HB1            -782.92   HB2            -782.92
    P2HB      PHB             782.92   OBJ            57033.5
    P3HB      HB1            -861.21   HB2            -861.21
    P3HB      PHB             861.21   OBJ           62640.19
    P1FA      FA1            -640.25   FA2            -640.25
    P1FA      PFA             640.25   OBJ            57033.5
    P2FA      FA1            -1095.2   FA2            -1095.2
    P2FA      PFA             1095.2   OBJ           82048.87
    P1HC      HC1            -711.75   HC2            -711.75
    P1HC      PHC             711.75   OBJ           52489.75
    P2HC      HC1            -782.92   HC2            -782.92
    P2HC      PHC             782.92   OBJ            57033.5
    P3HC      HC1            -861.21   HC2            -861.21
    P3HC      PHC             861.21   OBJ           62640.19
    P4HC      HC1           -1095.19   HC2           -1095.19
    P4HC      PHC            1095.19   OBJ           82048.87
    P1HD      HD1            -711.75   HD2            -711.75
    P1HD      PHD             711.75   OBJ           52489.75
    P2HD      HD1            -782.92   HD2            -782.92
    P2HD      PHD             782.92   OBJ            57033.5
    P3HD      HD1            -861.21   HD2            -861.21
    P3HD      PHD             861.21   OBJ           62640.19
    P4HD      HD1           -1095.19   HD2           -1095.19
    P4HD      PHD            1095.19   OBJ           82048.87
    P1HY      HY1            -711.75   HY2            -711.75
    P1HY      PHY             711.75   OBJ           52489.75
    P2HY      HY1            -782.92   HY2            -782.92
    P2HY      PHY             782.92   OBJ            57033.5
    P3HY      HY1            -861.21   HY2            -861.21
    P3HY      PHY             861.21   OBJ           62640.19
    P4HY      HY1           -1095.19   HY2           -1095.19
    P4HY      PHY            1095.19   OBJ           82048.87
    P1HZ      HZ1            -640.25   HZ2            -640.25
    P1HZ      OBJ            57033.5
    P1H1      H11            -711.75   H12            -711.75
    P1H1      PH1             711.75   OBJ           52489.75
    P2H1      H11            -782.92   H12            -782.92
    P2H1      PH1             782.92   OBJ            57033.5
    P3H1      H11            -861.21   H12            -861.21
    P3H1      PH1             861.21   OBJ           62640.19
    P4H1      H11           -1095.19   H12           -1095.19
    P4H1      PH1            1095.19   OBJ           82048.87
    P1HA      HA1            -640.25   HA2            -640.25
    P1HA      PHA             640.25   OBJ            57033.5
    P2HA      HA1            -1095.2   HA2            -1095.2
    P2HA      PHA             1095.2   OBJ           82048.87
    P1HG      HG1            -640.25   HG2            -640.25
    P1HG      PHG             640.25   OBJ            57033.5
    P2HG      HG1            -1095.2   HG2            -1095.2
    P2HG      PHG             1095.2   OBJ           82048.87
    P1HP      HP1            -640.25   HP2            -640.25
    P1HP      PHP             640.25   OBJ            57033.5
    P2HP      HP1            -1095.2   HP2            -1095.2
    P2HP      PHP             1095.2   OBJ           82048.87
    P1HS      HS1            -640.25   HS2            -640.25
    P1HS      PHS             640.25   OBJ            57033.5
    P2HS      HS1            -1095.2   HS2            -1095.2
    P2HS      PHS             1095.2   OBJ           82048.87
    P1HT      HT1            -640.25   HT2            -640.25
    P1HT      PHT             640.25   OBJ            57033.5
    P2HT      HT1            -1095.2   HT2            -1095.2
    P2HT      PHT             1095.2   OBJ           82048.87
    P1HV      HV1            -640.25   HV2            -640.25
    P1HV      OBJ            57033.5
    P1HU      HU1            -640.25   HU2            -640.25
    P1HU      PHU             640.25   OBJ            57033.5
    P2HU      HU1            -1095.2   HU2            -1095.2
    P2HU      PHU             1095.2   OBJ           82048.87
    P1H2      H21            -640.25   H22            -640.25
    P1H2      OBJ            57033.5
    P1HL      HL1            -640.25   HL2            -640.25
    P1HL      OBJ            57033.5
    P1IA      IA1            -640.25   IA2            -640.25
    P1IA      OBJ            57033.5
    P1JB      JB1            -640.25   JB2            -640.25
    P1JB      OBJ            57033.5
    P1KG      KG1              -505.   KG2              -505.
    P1KG      PKG               505.   OBJ           48148.35
    P2KG      KG1            -711.75   KG2            -711.75
    P2KG      PKG             711.75   OBJ           52489.75
    P3KG      KG1            -782.92   KG2            -782.92
    P3KG      PKG             782.92   OBJ            57033.5
    P4KG      KG1            -861.21   KG2            -861.21
    P4KG      PKG             861.21   OBJ           62640.19
    P5KG      KG1            -947.33   KG2            -947.33
    P5KG      PKG             947.33   OBJ           69997.95
    P6KG      KG1           -1095.19   KG2           -1095.19
    P6KG      PKG            1095.19   OBJ           82048.87
    P1KB      KB1            -711.75   KB2            -711.75
    P1KB      PKB             711.75   OBJ           52489.75
    P2KB      KB1            -782.92   KB2            -782.92
    P2KB      PKB             782.92   OBJ            57033.5
    P3KB      KB1            -861.21   KB2            -861.21
    P3KB      PKB             861.21   OBJ           62640.19
    P4KB      KB1           -1095.19   KB2           -1095.19
    P4KB      PKB            1095.19   OBJ           82048.87
    P1KI      KI1            -640.25   KI2            -640.25
    P1KI      PKI             640.25   OBJ            57033.5
    P2KI      KI1            -1095.2   KI2            -1095.2
    P2KI      PKI             1095.2   OBJ           82048.87
    P1KD      KD1            -711.75   KD2            -711.75
    P1KD      PKD             711.75   OBJ           52489.75
    P2KD      KD1            -782.92   KD2            -782.92
    P2KD      PKD             782.92   OBJ            57033.5
    P3KD      KD1            -861.21   KD2            -861.21
    P3KD      PKD             861.21   OBJ           62640.19
    P4KD      KD1           -1095.19   KD2           -1095.19
    P4KD      PKD            1095.19   OBJ           82048.87
    P1MA      MA1            -640.25   MA2            -640.25
    P1MA      PMA             640.25   OBJ            57033.5
    P2MA      MA1            -1095.2   MA2            -1095.2
    P2MA      PMA             1095.2   OBJ           82048.87
    P1KE      KE1            -640.25   KE2            -640.25
    P1KE      OBJ            57033.5
    P1KF      KF1            -640.25   KF2            -640.25
    P1KF      OBJ            57033.5
    P1LB      LB1            -640.25   LB2            -640.25
    P1LB      OBJ            57033.5
    P1LC      LC1            -711.75   LC2            -711.75
    P1LC      PLC             711.75   OBJ           52489.75
    P2LC      LC1            -782.92   LC2            -782.92
    P2LC      PLC             782.92   OBJ            57033.5
    P3LC      LC1            -861.21   LC2            -861.21
    P3LC      PLC             861.21   OBJ           62640.19
    P4LC      LC1           -1095.19   LC2           -1095.19
    P4LC      PLC            1095.19   OBJ           82048.87
    P1MC      MC1            -640.25   MC2            -640.25
    P1MC      PMC             640.25   OBJ            57033.5
    P2MC      MC1            -1095.2   MC2            -1095.2
    P2MC      PMC             1095.2   OBJ           82048.87
    P1ND      ND1            -640.25   ND2            -640.25
    P1ND      PND             640.25   OBJ            57033.5
    P2ND      ND1            -1095.2   ND2            -1095.2
    P2ND      PND             1095.2   OBJ           82048.87
    P1PA      PA1            -640.25   PA2            -640.25
    P1PA      OBJ            57033.5
    P1QC      QC1            -640.25   QC2            -640.25
    P1QC      OBJ            57033.5
    P1RA      RA1            -640.25   RA2            -640.25
    P1RA      OBJ            57033.5
    P1RC      RC1            -640.25   RC2            -640.25
    P1RC      OBJ            57033.5
    P1SB      SB1            -640.25   SB2            -640.25
    P1SB      PSB             640.25   OBJ            57033.5
    P2SB      SB1            -1095.2   SB2            -1095.2
    P2SB      PSB             1095.2   OBJ           82048.87
    P1SD      SD1            -640.25   SD2            -640.25
    P1SD      OBJ            57033.5
    P1SJ      SJ1            -640.25   SJ2            -640.25
    P1SJ      PSJ             640.25   OBJ            57033.5
    P2SJ      SJ1            -1095.2   SJ2            -1095.2
    P2SJ      PSJ             1095.2   OBJ           82048.87
    P1SQ      SQ1            -640.25   SQ2            -640.25
    P1SQ      OBJ            57033.5
    P1SN      SN1            -640.25   SN2            -640.25
    P1SN      PSN             640.25   OBJ            57033.5
    P2SN      SN1            -1095.2   SN2            -1095.2
    P2SN      PSN             1095.2   OBJ           82048.87
    P1ST      ST1            -640.25   ST2            -640.25
    P1ST      OBJ            57033.5
    P1SU      SU1            -640.25   SU2            -640.25
    P1SU      PSU             640.25   OBJ            57033.5
    P2SU      SU1            -1095.2   SU2            -1095.2
    P2SU      PSU             1095.2   OBJ           82048.87
    P1SV      SV1            -640.25   SV2            -640.25
    P1SV      OBJ            57033.5
    P1SX      SX1            -640.25   SX2            -640.25
    P1SX      OBJ            57033.5
    P1TJ      TJ1            -640.25   TJ2            -640.25
    P1TJ      OBJ            57033.5
    P1TQ      TQ1            -640.25   TQ2            -640.25
    P1TQ      OBJ            57033.5
    P1TI      TI1            -711.75   TI2            -711.75
    P1TI      PTI             711.75   OBJ           52489.75
    P2TI      TI1            -782.92   TI2            -782.92
    P2TI      PTI             782.92   OBJ            57033.5
    P3TI      TI1            -861.21   TI2            -861.21
    P3TI      PTI             861.21   OBJ           62640.19
    P4TI      TI1           -1095.19   TI2           -1095.19
    P4TI      PTI            1095.19   OBJ           82048.87
    P1TA      TA1            -640.25   TA2            -640.25
    P1TA      PTA             640.25   OBJ            57033.5
    P2TA      TA1            -1095.2   TA2            -1095.2
    P2TA      PTA             1095.2   OBJ           82048.87
    P1TH      TH1            -711.75   TH2            -711.75
    P1TH      PTH             711.75   OBJ           52489.75
    P2TH      TH1            -782.92   TH2            -782.92
    P2TH      PTH             782.92   OBJ            57033.5
    P3TH      TH1            -861.21   TH2            -861.21
    P3TH      PTH             861.21   OBJ           62640.19
    P4TH      TH1           -1095.19   TH2           -1095.19
    P4TH      PTH            1095.19   OBJ           82048.87
    P1TK      TK1            -640.25   TK2            -640.25
    P1TK      PTK             640.25   OBJ            57033.5
    P2TK      TK1            -1095.2   TK2            -1095.2
    P2TK      PTK             1095.2   OBJ           82048.87
    P1TT      TT1            -640.25   TT2            -640.25
    P1TT      OBJ            57033.5
    P1TL      TL1            -640.25   TL2            -640.25
    P1TL      OBJ            57033.5
    P1TC      TC1            -640.25   TC2            -640.25
    P1TC      PTC             640.25   OBJ            57033.5
    P2TC      TC1            -1095.2   TC2            -1095.2
    P2TC      PTC             1095.2   OBJ           82048.87
    P1TF      TF1            -640.25   TF2            -640.25
    P1TF      PTF             640.25   OBJ            57033.5
    P2TF      TF1            -1095.2   TF2            -1095.2
    P2TF      PTF             1095.2   OBJ           82048.87
    P1TN      TN1            -640.25   TN2            -640.25
    P1TN      OBJ            57033.5
    P1T6      T61            -640.25   T62            -640.25
    P1T6      OBJ            57033.5
    P1T5      T51            -640.25   T52            -640.25
    P1T5      OBJ            57033.5
    P1T2      T21            -640.25   T22            -640.25
    P1T2      OBJ            57033.5
    P1TZ      TZ1            -640.25   TZ2            -640.25
    P1TZ      OBJ            57033.5
    P1T3      T31            -640.25   T32            -640.25
    P1T3      OBJ            57033.5
    P1T7      T71            -640.25   T72            -640.25
    P1T7      OBJ            57033.5
    P1T4      T41            -640.25   T42            -640.25
    P1T4      OBJ            57033.5
    P1UA      UA1            -640.25   UA2            -640.25
    P1UA      PUA             640.25   OBJ            57033.5
    P2UA      UA1            -1095.2   UA2            -1095.2
    P2UA      PUA             1095.2   OBJ           82048.87
    P1WB      WB1            -711.75   WB2            -711.75
    P1WB      PWB             711.75   OBJ           52489.75
    P2WB      WB1            -782.92   WB2            -782.92
    P2WB      PWB             782.92   OBJ            57033.5
    P3WB      WB1            -861.21   WB2            -861.21
    P3WB      PWB             861.21   OBJ           62640.19
    P4WB      WB1           -1095.19   WB2           -1095.19
    P4WB      PWB            1095.19   OBJ           82048.87
    P1WE      WE1              -505.   WE2              -505.
    P1WE      PWE               505.   OBJ           48148.35
    P2WE      WE1            -711.75   WE2            -711.75
    P2WE      PWE             711.75   OBJ           52489.75
    P3WE      WE1            -782.92   WE2            -782.92
    P3WE      PWE             782.92   OBJ            57033.5
    P4WE      WE1            -861.21   WE2            -861.21
    P4WE      PWE             861.21   OBJ           62640.19
    P5WE      WE1            -947.33   WE2            -947.33
    P5WE      PWE             947.33   OBJ           69997.95
    P6WE      WE1           -1095.19   WE2           -1095.19
    P6WE      PWE            1095.19   OBJ           82048.87
    P1WA      WA1            -711.75   WA2            -711.75
    P1WA      PWA             711.75   OBJ           52489.75
    P2WA      WA1            -782.92   WA2            -782.92
    P2WA      PWA             782.92   OBJ            57033.5
    P3WA      WA1            -861.21   WA2            -861.21
    P3WA      PWA             861.21   OBJ           62640.19
    P4WA      WA1           -1095.19   WA2           -1095.19
    P4WA      PWA            1095.19   OBJ           82048.87
    P1WD      WD1            -640.25   WD2            -640.25
    P1WD      PWD             640.25   OBJ            57033.5
    P2WD      WD1            -1095.2   WD2            -1095.2
    P2WD      PWD             1095.2   OBJ           82048.87
    P1XF      XF1            -640.25   XF2            -640.25
    P1XF      PXF             640.25   OBJ            57033.5
    P2XF      XF1            -1095.2   XF2            -1095.2
    P2XF      PXF             1095.2   OBJ           82048.87
    P1XI      XI1            -640.25   XI2            -640.25
    P1XI      PXI             640.25   OBJ            57033.5
    P2XI      XI1            -1095.2   XI2            -1095.2
    P2XI      PXI             1095.2   OBJ           82048.87
    P1XT      XT1            -640.25   XT2            -640.25
    P1XT      OBJ            57033.5
    P1XN      XN1            -640.25   XN2            -640.25
    P1XN      PXN             640.25   OBJ            57033.5
    P2XN      XN1            -1095.2   XN2            -1095.2
    P2XN      PXN             1095.2   OBJ           82048.87
    P1XP      XP1            -640.25   XP2            -640.25
    P1XP      OBJ            57033.5
    P1XJ      XJ1            -640.25   XJ2            -640.25
    P1XJ      PXJ             640.25   OBJ            57033.5
    P2XJ      XJ1            -1095.2   XJ2            -1095.2
    P2XJ      PXJ             1095.2   OBJ           82048.87
    P1XL      XL1            -640.25   XL2            -640.25
    P1XL      PXL             640.25   OBJ            57033.5
    P2XL      XL1            -1095.2   XL2            -1095.2
    P2XL      PXL             1095.2   OBJ           82048.87
    P1X8      X81            -640.25   X82            -640.25
    P1X8      OBJ            57033.5
    P1XB      XB1            -640.25   XB2            -640.25
    P1XB      OBJ            57033.5
    P1X2      X21            -640.25   X22            -640.25
    P1X2      OBJ            57033.5
    P1YA      YA1            -640.25   YA2            -640.25
    P1YA      OBJ            57033.5
    P1YB      YB1            -640.25   YB2            -640.25
    P1YB      OBJ            57033.5
    P1YD      YD1            -640.25   YD2            -640.25
    P1YD      OBJ            57033.5
    P1YE      YE1            -640.25   YE2            -640.25
    P1YE      OBJ            57033.5
    P1YM      YM1            -640.25   YM2            -640.25
    P1YM      PYM             640.25   OBJ            57033.5
    P2YM      YM1            -1095.2   YM2            -1095.2
    P2YM      PYM             1095.2   OBJ           82048.87
    P1YQ      YQ1            -640.25   YQ2            -640.25
    P1YQ      OBJ            57033.5
    P1YS      YS1            -711.75   YS2            -711.75
    P1YS      PYS             711.75   OBJ           52489.75
    P2YS      YS1            -782.92   YS2            -782.92
    P2YS      PYS             782.92   OBJ            57033.5
    P3YS      YS1            -861.21   YS2            -861.21
    P3YS      PYS             861.21   OBJ           62640.19
    P4YS      YS1           -1095.19   YS2           -1095.19
    P4YS      PYS            1095.19   OBJ           82048.87
    P1YI      YI1            -640.25   YI2            -640.25
    P1YI      PYI             640.25   OBJ            57033.5
    P2YI      YI1            -1095.2   YI2            -1095.2
    P2YI      PYI             1095.2   OBJ           82048.87
    P1YR      YR1            -711.75   YR2            -711.75
    P1YR      PYR             711.75   OBJ           52489.75
    P2YR      YR1            -782.92   YR2            -782.92
    P2YR      PYR             782.92   OBJ            57033.5
    P3YR      YR1            -861.21   YR2            -861.21
    P3YR      PYR             861.21   OBJ           62640.19
    P4YR      YR1           -1095.19   YR2           -1095.19
    P4YR      PYR            1095.19   OBJ           82048.87
    P1YU      YU1            -711.75   YU2            -711.75
    P1YU      PYU             711.75   OBJ           52489.75
    P2YU      YU1            -782.92   YU2            -782.92
    P2YU      PYU             782.92   OBJ            57033.5
    P3YU      YU1            -861.21   YU2            -861.21
    P3YU      PYU             861.21   OBJ           62640.19
    P4YU      YU1           -1095.19   YU2           -1095.19
    P4YU      PYU            1095.19   OBJ           82048.87
    P1ZD      ZD1            -640.25   ZD2            -640.25
    P1ZD      PZD             640.25   OBJ            57033.5
    P2ZD      ZD1            -1095.2   ZD2            -1095.2
    P2ZD      PZD             1095.2   OBJ           82048.87
    P1ZI      ZI1            -640.25   ZI2            -640.25
    P1ZI      PZI             640.25   OBJ            57033.5
    P2ZI      ZI1            -1095.2   ZI2            -1095.2
    P2ZI      PZI             1095.2   OBJ           82048.87
    P1ZM      ZM1            -640.25   ZM2            -640.25
    P1ZM      PZM             640.25   OBJ            57033.5
    P2ZM      ZM1            -1095.2   ZM2            -1095.2
    P2ZM      PZM             1095.2   OBJ           82048.87
    P1ZU      ZU1            -640.25   ZU2            -640.25
    P1ZU      OBJ            57033.5
    P1ZX      ZX1            -640.25   ZX2            -640.25
    P1ZX      PZX             640.25   OBJ            57033.5
    P2ZX      ZX1            -1095.2   ZX2            -1095.2
    P2ZX      PZX             1095.2   OBJ           82048.87
    MILL1     DZ1                 1.
    MILL2     DZ2                 1.
RHS
              PAF             1095.2   PEE            1095.19
              PEH            1095.19   PEK             1095.2
              PEM             1095.2   PEN             1095.2
              PEQ             1095.2   PEU            1095.19
              PEW            1095.19   PET             1095.2
              PES            1095.19   PFL             1095.2
              PFV            1095.19   PFX             1095.2
              PFS            1095.19   PFZ             1095.2
              PF2             1095.2   PF8             1095.2
              PGB             1095.2   PHB             861.21
              PFA             1095.2   PHC            1095.19
              PHD            1095.19   PHY            1095.19
              PH1            1095.19   PHA             1095.2
              PHG             1095.2   PHP             1095.2
              PHS             1095.2   PHT             1095.2
              PHU             1095.2   PKG            1095.19
              PKB            1095.19   PKI             1095.2
              PKD            1095.19   PMA             1095.2
              PLC            1095.19   PMC             1095.2
              PND             1095.2   PSB             1095.2
              PSJ             1095.2   PSN             1095.2
              PSU             1095.2   PTI            1095.19
              PTA             1095.2   PTH            1095.19
              PTK             1095.2   PTC             1095.2
              PTF             1095.2   PUA             1095.2
              PWB            1095.19   PWE            1095.19
              PWA            1095.19   PWD             1095.2
              PXF             1095.2   PXI             1095.2
              PXN             1095.2   PXJ             1095.2
              PXL             1095.2   PYM             1095.2
              PYS            1095.19   PYI             1095.2
              PYR            1095.19   PYU            1095.19
              PZD             1095.2   PZI             1095.2
              PZM             1095.2   PZX             1095.2
BOUNDS
 UP           P1AG                1.
 UP           P1AF                1.
 UP           P2AF                1.
 UP           P1BB                1.
 UP           P1CE                1.
 UP           P1CF                1.
 UP           P1CG                1.
 UP           P1EV                1.
 UP           P1EB                1.
 UP           P1EE                1.
 UP           P2EE                1.
 UP           P3EE                1.
 UP           P4EE                1.
 UP           P5EE                1.
 UP           P6EE                1.
 UP           P1EG                1.
 UP           P1EH                1.
 UP           P2EH                1.
 UP           P3EH                1.
 UP           P4EH                1.
 UP           P5EH                1.
 UP           P6EH                1.
 UP           P1EK                1.
 UP           P2EK                1.
 UP           P1EM                1.
 UP           P2EM                1.
 UP           P1EN                1.
 UP           P2EN                1.
 UP           P1EQ                1.
 UP           P2EQ                1.
 UP           P1EU                1.
 UP           P2EU                1.
 UP           P3EU                1.
 UP           P4EU                1.
 UP           P5EU                1.
 UP           P6EU                1.
 UP           P1EW                1.
 UP           P2EW                1.
 UP           P3EW                1.
 UP           P4EW                1.
 UP           P1ET                1.
 UP           P2ET                1.
 UP           P1ES                1.
 UP           P2ES                1.
 UP           P3ES                1.
 UP           P4ES                1.
 UP           P5ES                1.
 UP           P6ES                1.
 UP           P1FO                1.
 UP           P1FL                1.
 UP           P2FL                1.
 UP           P1FU                1.
 UP           P1FN                1.
 UP           P1FH                1.
 UP           P1FJ                1.
 UP           P1FM                1.
 UP           P1FT                1.
 UP           P1FR                1.
 UP           P1FV                1.
 UP           P2FV                1.
 UP           P3FV                1.
 UP           P4FV                1.
 UP           P1FX                1.
 UP           P2FX                1.
 UP           P1FW                1.
 UP           P1FS                1.
 UP           P2FS                1.
 UP           P3FS                1.
 UP           P4FS                1.
 UP           P1FZ                1.
 UP           P2FZ                1.
 UP           P1F2                1.
 UP           P2F2                1.
 UP           P1F3                1.
 UP           P1F8                1.
 UP           P2F8                1.
 UP           P1GA                1.
 UP           P1GB                1.
 UP           P2GB                1.
 UP           P1GC                1.
 UP           P1HB                1.
 UP           P2HB                1.
 UP           P3HB                1.
 UP           P1FA                1.
 UP           P2FA                1.
 UP           P1HC                1.
 UP           P2HC                1.
 UP           P3HC                1.
 UP           P4HC                1.
 UP           P1HD                1.
 UP           P2HD                1.
 UP           P3HD                1.
 UP           P4HD                1.
 UP           P1HY                1.
 UP           P2HY                1.
 UP           P3HY                1.
 UP           P4HY                1.
 UP           P1HZ                1.
 UP           P1H1                1.
 UP           P2H1                1.
 UP           P3H1                1.
 UP           P4H1                1.
 UP           P1HA                1.
 UP           P2HA                1.
 UP           P1HG                1.
 UP           P2HG                1.
 UP           P1HP                1.
 UP           P2HP                1.
 UP           P1HS                1.
 UP           P2HS                1.
 UP           P1HT                1.
 UP           P2HT                1.
 UP           P1HV                1.
 UP           P1HU                1.
 UP           P2HU                1.
 UP           P1H2                1.
 UP           P1HL                1.
 UP           P1IA                1.
 UP           P1JB                1.
 UP           P1KG                1.
 UP           P2KG                1.
 UP           P3KG                1.
 UP           P4KG                1.
 UP           P5KG                1.
 UP           P6KG                1.
 UP           P1KB                1.
 UP           P2KB                1.
 UP           P3KB                1.
 UP           P4KB                1.
 UP           P1KI                1.
 UP           P2KI                1.
 UP           P1KD                1.
 UP           P2KD                1.
 UP           P3KD                1.
 UP           P4KD                1.
 UP           P1MA                1.
 UP           P2MA                1.
 UP           P1KE                1.
 UP           P1KF                1.
 UP           P1LB                1.
 UP           P1LC                1.
 UP           P2LC                1.
 UP           P3LC                1.
 UP           P4LC                1.
 UP           P1MC                1.
 UP           P2MC                1.
 UP           P1ND                1.
 UP           P2ND                1.
 UP           P1PA                1.
 UP           P1QC                1.
 UP           P1RA                1.
 UP           P1RC                1.
 UP           P1SB                1.
 UP           P2SB                1.
 UP           P1SD                1.
 UP           P1SJ                1.
 UP           P2SJ                1.
 UP           P1SQ                1.
 UP           P1SN                1.
 UP           P2SN                1.
 UP           P1ST                1.
 UP           P1SU                1.
 UP           P2SU                1.
 UP           P1SV                1.
 UP           P1SX                1.
 UP           P1TJ                1.
 UP           P1TQ                1.
 UP           P1TI                1.
 UP           P2TI                1.
 UP           P3TI                1.
 UP           P4TI                1.
 UP           P1TA                1.
 UP           P2TA                1.
 UP           P1TH                1.
 UP           P2TH                1.
 UP           P3TH                1.
 UP           P4TH                1.
 UP           P1TK                1.
 UP           P2TK                1.
 UP           P1TT                1.
 UP           P1TL                1.
 UP           P1TC                1.
 UP           P2TC                1.
 UP           P1TF                1.
 UP           P2TF                1.
 UP           P1TN                1.
 UP           P1T6                1.
 UP           P1T5                1.
 UP           P1T2                1.
 UP           P1TZ                1.
 UP           P1T3                1.
 UP           P1T7                1.
 UP           P1T4                1.
 UP           P1UA                1.
 UP           P2UA                1.
 UP           P1WB                1.
 UP           P2WB                1.
 UP           P3WB                1.
 UP           P4WB                1.
 UP           P1WE                1.
 UP           P2WE                1.
 UP           P3WE                1.
 UP           P4WE                1.
 UP           P5WE                1.
 UP           P6WE                1.
 UP           P1WA                1.
 UP           P2WA                1.
 UP           P3WA                1.
 UP           P4WA                1.
 UP           P1WD                1.
 UP           P2WD                1.
 UP           P1XF                1.
 UP           P2XF                1.
 UP           P1XI                1.
 UP           P2XI                1.
 UP           P1XT                1.
 UP           P1XN                1.
 UP           P2XN                1.
 UP           P1XP                1.
 UP           P1XJ                1.
 UP           P2XJ                1.
 UP           P1XL                1.
 UP           P2XL                1.
 UP           P1X8                1.
 UP           P1XB                1.
 UP           P1X2                1.
 UP           P1YA                1.
 UP           P1YB                1.
 UP           P1YD                1.
 UP           P1YE                1.
 UP           P1YM                1.
 UP           P2YM                1.
 UP           P1YQ                1.
 UP           P1YS                1.
 UP           P2YS                1.
 UP           P3YS                1.
 UP           P4YS                1.
 UP           P1YI                1.
 UP           P2YI                1.
 UP           P1YR                1.
 UP           P2YR                1.
 UP           P3YR                1.
 UP           P4YR                1.
 UP           P1YU                1.
 UP           P2YU                1.
 UP           P3YU                1.
 UP           P4YU                1.
 UP           P1ZD                1.
 UP           P2ZD                1.
 UP           P1ZI                1.
 UP           P2ZI                1.
 UP           P1ZM                1.
 UP           P2ZM                1.
 UP           P1ZU                1.
 UP           P1ZX                1.
 UP           P2ZX                1.
 LO           MILL1           70000.
 UP           MILL1        113294.65
 LO           MILL2           70000.
 UP           MILL2        113294.65
ENDATA
