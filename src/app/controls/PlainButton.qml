// See StyledButton.
import Pelmo
StyledButton { kind: "plain" }
