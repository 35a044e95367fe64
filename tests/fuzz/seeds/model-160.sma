3
0, x
4.5, x
9, span
2
1
1, 1, 
3, 1
0, "quoted, with comma"
1
2E8, "quoted, with comma"
1
0.0004, span
2
1, 2, 1, 1, 
2, 3, 1, 1, x

0
2
3, -1, 0, 
1, -3, 1, 
