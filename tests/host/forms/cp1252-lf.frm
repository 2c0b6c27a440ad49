VERSION 5.00
Begin Form frmAdresse
   Caption         =   "Adresse de livraison ó ´†SociÈtÈ†ª"
   ScaleMode       =   3
   ClientWidth     =   5400
   ClientHeight    =   3000
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Begin Frame fraAdresse
      Left            =   8
      Top             =   8
      Width           =   340
      Height          =   180
      Caption         =   "Adresse (Ètranger†: åuvre, äkoda, éupa, üvette)"
      Begin Label lblRue
         Left            =   16
         Top             =   24
         Width           =   80
         Height          =   17
         Caption         =   "&Rue†:"
      End
      Begin TextBox txtRue
         Left            =   100
         Top             =   20
         Width           =   220
         Height          =   21
         Text            =   "12, allÈe des Tilleuls ï B‚t. Ω"
      End
      Begin Label lblCode
         Left            =   16
         Top             =   56
         Width           =   300
         Height          =   17
         Caption         =   "Åçèêù Code†: â ô Æ © ∞C ± ◊ ˜ ﬂ ˇ"
      End
   End
End
