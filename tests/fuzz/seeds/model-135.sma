4
0, "quoted, with comma"
3.5, "quoted, with comma"
8, x
9.5, "quoted, with comma"
2
1, 1, 0, span
4
1, 0, 
1
2E8, 
1
0.0004, "quoted, with comma"
3
1, 2, 1, 1, "quoted, with comma"
2, 3, 1, 1, "quoted, with comma"
3, 4, 1, 1, 

2
1, 2, 5, 5, 1, 0.5, x
1, 2, 13, 3, 0, 0.5, span
2
1, -5, 3, x
4, -4, 0, 
