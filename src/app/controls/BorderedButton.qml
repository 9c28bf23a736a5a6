// See StyledButton.
import Pelmo
StyledButton { kind: "bordered" }
