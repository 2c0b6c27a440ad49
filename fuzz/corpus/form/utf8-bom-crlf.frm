VERSION 5.00
Begin Form frmKunde
   Caption         =   "Kundenkartei – Änderungen"
   ScaleMode       =   1
   ClientWidth     =   6600
   ClientHeight    =   4200
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Begin VNTabCtl tabFiche
      Left            =   120
      Top             =   120
      Width           =   6360
      Height          =   3960
      DrawTabRowSeparation = 18
      NumTabs         =   3
      TabCaption1     =   "&Allgemein"
      Tab1Control1Name =  "lblNom"
      Tab1Control2Name =  "txtNom"
      Tab1CtlCount    =   2
      TabCaption2     =   "&Einstellungen"
      Tab2Control1Name =  "chkRemise"
      Tab2CtlCount    =   1
      TabCaption3     =   "Preise in €"
      TabKey3         =   "preise „brutto“"
      Tab3CtlCount    =   0
      Begin Label lblNom
         Left            =   -74640
         Top             =   720
         Width           =   1200
         Height          =   255
         Caption         =   "Vorname:"
      End
      Begin TextBox txtNom
         Left            =   -73320
         Top             =   680
         Width           =   2400
         Height          =   315
         Text            =   "Jürgen Größe"
      End
      Begin CheckBox chkRemise
         Left            =   -74640
         Top             =   720
         Width           =   3000
         Height          =   255
         Caption         =   "Treuerabatt ‚Stammkunde‘ … 5 %"
         Value           =   1
      End
   End
End
